// Writes the shipped EEP catalogue, resources/CAT_EnOcean/eep.xml, from the
// public-domain (CC0) EnOcean Equipment Profile data set of the npm package
// @enocean-js/eep-transcoder.
//
//   cd tools/eep-gen && npm install && node generate.js [output]
//
// The file has the shape the configurator's catalogue reader walks:
// profile > rorg > func > type > case > datafield, each level with its
// number and title, and per case its condition (status fields for RPS
// telegrams, data fields for VLD telegrams, direction elsewhere).
// Numbers are written as "0x" hexadecimal (RORG, FUNC, TYPE) or decimal
// (bit offsets, sizes, condition values), so the reader's whole-number
// convention converts every one of them; binary values ("0b1") are converted
// here because the reader has no binary form.
'use strict'
require = require('esm')(module) // the data set is written as ES modules
const fs = require('fs')
const path = require('path')
const EEP = require('@enocean-js/eep-transcoder/src/eep.js')

const Output = process.argv[2] ||
  path.join(__dirname, '..', '..', 'resources', 'CAT_EnOcean', 'eep.xml')

const List = x => (x === undefined || x === null) ? [] : (Array.isArray(x) ? x : [x])

// Plain text of a data-set value: objects ({} for "empty") give empty text;
// runs of white space (the data set keeps its source's line breaks) become one blank.
function Text (Value) {
  if (typeof Value === 'number') return String(Value)
  if (typeof Value !== 'string') return ''
  return Value.replace(/\s+/g, ' ').trim()
}

// A number of the data set ("0x1A", "0b01", "12", 3) as an integer, or null.
function Number_Of (Value) {
  if (typeof Value === 'number') return Number.isInteger(Value) ? Value : null
  if (typeof Value !== 'string') return null
  const T = Value.trim()
  if (/^0x[0-9a-f]+$/i.test(T)) return parseInt(T.slice(2), 16)
  if (/^0b[01]+$/i.test(T)) return parseInt(T.slice(2), 2)
  if (/^-?\d+$/.test(T)) return parseInt(T, 10)
  return null
}

function Hex (N) { return '0x' + N.toString(16).toUpperCase().padStart(2, '0') }

function Escape (S) {
  return S.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;')
    .replace(/"/g, '&quot;')
    // characters XML 1.0 cannot carry at all
    .replace(/[\u0000-\u0008\u000B\u000C\u000E-\u001F]/g, '')
}

const Lines = []
function Leaf (Indent, Name, Value) {
  Lines.push(' '.repeat(Indent) + '<' + Name + '>' + Escape(Value) + '</' + Name + '>')
}
function Open (Indent, Name) { Lines.push(' '.repeat(Indent) + '<' + Name + '>') }
function Close (Indent, Name) { Lines.push(' '.repeat(Indent) + '</' + Name + '>') }
// A numeric leaf; left out when the data set gives no number, so the reader takes 0.
function Number_Leaf (Indent, Name, Value, Format) {
  const N = Number_Of(Value)
  if (N !== null) Leaf(Indent, Name, Format ? Format(N) : String(N))
}

// Profiles that only point to another profile ("see A5-10-1B") share its cases.
function Cases_Of (Profile) {
  let P = Profile
  const Seen = new Set()
  while (P && 'ref' in P && !Seen.has(P.ref)) {
    Seen.add(P.ref)
    P = EEP[P.ref.replace(/-/g, '')]
  }
  return P ? List(P.case) : []
}

// Title of a case the data set leaves untitled: the type's title when it is
// the only case; the selecting status bits of an RPS case; its direction; or its position.
function Case_Title (Case, Index, Count, Type_Title) {
  const Title = Text(Case.title)
  if (Title) return Title
  if (Count === 1) return Type_Title
  const Condition = Case.condition || {}
  const Status = List(Condition.statusfield)
  if (Status.length > 0) {
    const Names = List(Case.statusfield)
    return Status.map(S => {
      const Named = Names.find(N => Number_Of(N.bitoffs) === Number_Of(S.bitoffs))
      const Name = Named && Text(Named.data) ? Text(Named.data) : 'bit ' + Text(S.bitoffs)
      return Name + ' = ' + Text(S.value)
    }).join(', ')
  }
  const Direction = Text(Condition.direction !== undefined ? Condition.direction : Case.direction)
  if (Direction) return 'Direction ' + Direction
  return 'Case ' + (Index + 1)
}

function Write_Field (Indent, Name, Field, Value_Too) {
  Open(Indent, Name)
  Number_Leaf(Indent + 1, 'value', Field.value)
  Number_Leaf(Indent + 1, 'bitoffs', Field.bitoffs)
  Number_Leaf(Indent + 1, 'bitsize', Field.bitsize)
  Close(Indent, Name)
}

// The case's data fields. A value the data set spreads over several bit
// ranges (most significant part first) cannot be one field of the catalogue,
// which has a single offset and size per field: each range becomes a field of
// its own, "Latitude (part 1 of 2)", so that every bit of it can still be mapped.
function Data_Fields (Case) {
  const Fields = []
  for (const Field of List(Case.datafield)) {
    const Parts = List(Field.spread)
    if (Field.bitoffs === undefined && Parts.length > 0 && !('reserved' in Field)) {
      Parts.forEach((Part, I) => Fields.push(Object.assign({}, Field, {
        data: Text(Field.data) + ' (part ' + (I + 1) + ' of ' + Parts.length + ')',
        bitoffs: Part.bitoffs,
        bitsize: Part.bitsize
      })))
    } else {
      Fields.push(Field)
    }
  }
  // The data name is the key by which a project variable finds its field, so
  // names repeated within a case get the field's short name, else its position.
  const Named = Fields.filter(F => !('reserved' in F))
  const Count = Name => Named.filter(F => Text(F.data) === Name).length
  const Repeated = new Set(Named.map(F => Text(F.data)).filter(N => Count(N) > 1))
  const Seen = new Map()
  return Fields.map(F => {
    const Name = Text(F.data)
    if ('reserved' in F || !Repeated.has(Name)) return F
    const Nth = (Seen.get(Name) || 0) + 1
    Seen.set(Name, Nth)
    const Short = Text(F.shortcut)
    const Unique_Short = Short && Named.filter(G => Text(G.data) === Name && Text(G.shortcut) === Short).length === 1
    return Object.assign({}, F, { data: Name + ' (' + (Unique_Short ? Short : String(Nth)) + ')' })
  })
}

function Write_Case (Case, Index, Count, Type_Title) {
  Open(4, 'case')
  Leaf(5, 'title', Case_Title(Case, Index, Count, Type_Title))
  for (const Field of Data_Fields(Case)) {
    Open(5, 'datafield')
    if ('reserved' in Field) {
      Lines.push(' '.repeat(6) + '<reserved/>')
    } else {
      Leaf(6, 'data', Text(Field.data))
      Leaf(6, 'shortcut', Text(Field.shortcut))
      Leaf(6, 'description', Text(Field.description))
      if (Text(Field.info)) Leaf(6, 'info', Text(Field.info))
    }
    Number_Leaf(6, 'bitoffs', Field.bitoffs)
    Number_Leaf(6, 'bitsize', Field.bitsize)
    Close(5, 'datafield')
  }
  const Condition = Case.condition
  if (Condition) {
    Open(5, 'condition')
    for (const S of List(Condition.statusfield)) Write_Field(6, 'statusfield', S)
    for (const D of List(Condition.datafield)) Write_Field(6, 'datafield', D)
    if (Condition.direction !== undefined) Leaf(6, 'direction', Text(Condition.direction))
    Close(5, 'condition')
  }
  Close(4, 'case')
}

// Group the profiles RORG > FUNC > TYPE in the data set's own order.
const Rorgs = new Map()
const Profiles = Object.values(EEP).slice()
  .sort((A, B) => (A.originalIndex ?? 1e9) - (B.originalIndex ?? 1e9))
for (const P of Profiles) {
  const R = Number_Of(P.rorg_number)
  const F = Number_Of(P.func_number)
  const T = Number_Of(P.number)
  if (R === null || F === null || T === null) continue
  if (!Rorgs.has(R)) Rorgs.set(R, { Title: Text(P.rorg_title), Funcs: new Map() })
  const Rorg = Rorgs.get(R)
  if (Text(P.rorg_title).length > Rorg.Title.length) Rorg.Title = Text(P.rorg_title)
  if (!Rorg.Funcs.has(F)) Rorg.Funcs.set(F, { Title: Text(P.func_title), Types: [] })
  Rorg.Funcs.get(F).Types.push({ Number: T, Title: Text(P.title), Cases: Cases_Of(P) })
}

Lines.push('<?xml version="1.0" encoding="UTF-8"?>')
Lines.push('<!-- EnOcean Equipment Profiles. Generated by tools/eep-gen from the CC0 data set ' +
  '@enocean-js/eep-transcoder; do not edit by hand. -->')
Open(0, 'profile')
let Type_Count = 0
let Case_Count = 0
for (const [R, Rorg] of Rorgs) {
  Open(1, 'rorg')
  Leaf(2, 'number', Hex(R))
  Leaf(2, 'title', Rorg.Title)
  for (const [F, Func] of Rorg.Funcs) {
    Open(2, 'func')
    Leaf(3, 'number', Hex(F))
    Leaf(3, 'title', Func.Title)
    for (const Type of Func.Types) {
      Open(3, 'type')
      Leaf(4, 'number', Hex(Type.Number))
      Leaf(4, 'title', Type.Title)
      Type.Cases.forEach((C, I) => Write_Case(C, I, Type.Cases.length, Type.Title))
      Close(3, 'type')
      Type_Count++
      Case_Count += Type.Cases.length
    }
    Close(2, 'func')
  }
  Close(1, 'rorg')
}
Close(0, 'profile')

fs.mkdirSync(path.dirname(Output), { recursive: true })
fs.writeFileSync(Output, Lines.join('\n') + '\n', 'utf8')
console.log(`${Output}: ${Rorgs.size} RORGs, ${Type_Count} profiles, ${Case_Count} cases`)
