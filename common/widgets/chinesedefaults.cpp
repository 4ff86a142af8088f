#include "chinesedefaults.h"

#include <QApplication>
#include <QFont>
#include <QLocale>

void usechinesedefaults()
{
    static const QString Face = QStringLiteral("WenQuanYi Micro Hei");
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    QFont::insertSubstitution(QStringLiteral("Lucida Sans Unicode"), Face);
    QFont font = QApplication::font();
    font.setFamily(Face);
    QApplication::setFont(font);
}
