#include "gui/print/fonts.h"

#include <QStringList>

#include "output/print_page.h"

namespace tolvane::print {

namespace {
const char* const kCaptionFamily = "Tahoma";
}

void installFontStandIns()
{
    static bool installed = false;
    if (installed) return;
    installed = true;
    QFont::insertSubstitutions(QString::fromUtf8(kPrintFont),
                               {QStringLiteral("IPAMincho"), QString::fromUtf8("IPA明朝"),
                                QStringLiteral("Noto Serif CJK JP")});
    QFont::insertSubstitutions(QString::fromUtf8(kCaptionFamily),
                               {QStringLiteral("IPAGothic"), QString::fromUtf8("IPAゴシック"),
                                QStringLiteral("Noto Sans CJK JP")});
}

QStringList minchoFamilies()
{
    return {QStringLiteral("IPAPMincho"), QString::fromUtf8("IPA P明朝"), QStringLiteral("Noto Serif CJK JP"),
            QStringLiteral("IPAMincho")};
}

QFont minchoFont(int size, bool points)
{
    QFont font;
    font.setFamilies(minchoFamilies());
    if (points)
        font.setPointSize(size);
    else
        font.setPixelSize(size);
    return font;
}

QFont captionFont(int pixels)
{
    installFontStandIns();
    QFont font(QString::fromUtf8(kCaptionFamily));
    font.setPixelSize(pixels);
    return font;
}

}  // namespace tolvane::print
