#include "platform/BiDiMode.h"
#include <QLocale>

namespace {
bool &Right_To_Left_Flag()
{
    static bool Flag = QLocale::system().textDirection() == Qt::RightToLeft;
    return Flag;
}
} // namespace

bool Platform_Right_To_Left()
{
    return Right_To_Left_Flag();
}

void Set_Platform_Right_To_Left(bool Value)
{
    Right_To_Left_Flag() = Value;
}
