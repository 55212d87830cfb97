#include "app/WindowLook.h"
#include "platform/StandardIcons.h"
#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QStyle>
#include <gtest/gtest.h>

namespace {

// Switches the desktop icon theme off while it lives, so the style gives its
// own built-in pictures.
struct TNoIconTheme
{
    QString Saved = QIcon::themeName();
    TNoIconTheme() { QIcon::setThemeName(QString()); }
    ~TNoIconTheme() { QIcon::setThemeName(Saved); }
};

QImage Normalised(const QPixmap &P)
{
    return P.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

struct TIconCase
{
    const char *Name;
    int Icon;
};
// Every standard icon a window of the configurator shows.
const TIconCase Icon_Cases[] = {
    {"DetailedView", QStyle::SP_FileDialogDetailedView}, {"NewFolder", QStyle::SP_FileDialogNewFolder},
    {"DirOpen", QStyle::SP_DirOpenIcon},                  {"Computer", QStyle::SP_ComputerIcon},
    {"DriveNet", QStyle::SP_DriveNetIcon},                {"ArrowUp", QStyle::SP_ArrowUp},
    {"ListView", QStyle::SP_FileDialogListView},          {"ContentsView", QStyle::SP_FileDialogContentsView},
    {"ArrowLeft", QStyle::SP_ArrowLeft},                  {"ArrowRight", QStyle::SP_ArrowRight},
    {"Reload", QStyle::SP_BrowserReload},                 {"File", QStyle::SP_FileIcon},
    // not in the built-in table: taken from the style as it gives it
    {"TrashFromStyle", QStyle::SP_TrashIcon},
};

} // namespace

// The pictures read without the icon theme are the style's own pictures, in
// the normal and the disabled mode, and so are the glyph strips made of them.
TEST(StandardIcons, SameAsTheStylesBuiltInPictures)
{
    const TNoIconTheme No_Theme;
    for (const TIconCase &C : Icon_Cases) {
        SCOPED_TRACE(C.Name);
        const QIcon Icon = QApplication::style()->standardIcon(static_cast<QStyle::StandardPixmap>(C.Icon));
        for (QIcon::Mode Mode : {QIcon::Normal, QIcon::Disabled}) {
            SCOPED_TRACE(Mode);
            const QPixmap Picture = Standard_Icon_Picture(C.Icon, Mode);
            ASSERT_EQ(Picture.size(), QSize(16, 16));
            EXPECT_EQ(Normalised(Picture), Normalised(Icon.pixmap(16, 16, Mode)));
        }
        EXPECT_EQ(Standard_Glyph(C.Icon), Standard_Glyph_From_Style(C.Icon));
    }
}
