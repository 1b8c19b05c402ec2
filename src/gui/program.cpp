#include "gui/program.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

#include "app/version.h"
#include "gui/print/fonts.h"

namespace tolvane::gui {

CommandLine readCommandLine(const QStringList& arguments)
{
    CommandLine line;
    for (const QString& a : arguments) {
        if (a == "--") break;
        if (a == "--help" || a == "-h") line.action = CommandLine::Help;
        if (a == "--version" && line.action != CommandLine::Help) line.action = CommandLine::Version;
    }
    if (line.action != CommandLine::Run) return line;

    bool options = true;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (options && a == "--") {
            options = false;
        } else if (options && a == "--screenshots") {
            if (i + 1 == arguments.size()) {
                line.action = CommandLine::Refuse;
                line.error = QString::fromUtf8("--screenshots には保存先のフォルダを指定してください");
                return line;
            }
            line.screenshotDir = arguments[++i];
        } else if (options && a == "--drive") {
            line.drive = true;
        } else if (options && a.size() > 1 && a.startsWith('-')) {
            line.action = CommandLine::Refuse;
            line.error = QString::fromUtf8("不明なオプションです: ") + a;
            return line;
        } else if (line.file.isEmpty()) {
            // The first file is the sheet to open; the program holds one sheet.
            line.file = a;
        }
    }
    return line;
}

QString helpText()
{
    return QString::fromUtf8(
        "usage: tolvane [FILE.ksk]\n"
        "Tolvane — 建物の低圧幹線の電圧降下計算と計算書「電路計算書（幹線用）」の作成\n"
        "\n"
        "  FILE.ksk            起動時に開く幹線計算シート\n"
        "  -h, --help          この説明を表示して終了します\n"
        "  --version           版数を表示して終了します\n"
        "  --screenshots DIR   すべての画面の画像を DIR に保存して終了します\n"
        "  --drive             標準入力から届く命令で操作します（試験用）\n"
        "  --                  これより後ろはファイル名です（- で始まる名前のとき）\n"
        "\n"
        "設定 (set.ini) は ~/.config/tolvane/ に保存されます。\n"
        "画面なしの検査・再計算・出力は tolvane-cli で行えます。\n");
}

QString versionText() { return QStringLiteral("tolvane %1\n").arg(QString::fromLatin1(kVersion)); }

bool setUpApplication(QApplication& app)
{
    // The window caption names the program once: no display name that Qt
    // would append to it.
    QApplication::setApplicationName(QStringLiteral("tolvane"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    QGuiApplication::setDesktopFileName(QStringLiteral("tolvane"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("tolvane"), QIcon(QStringLiteral(":/icons/tolvane-256.png"))));
    print::installFontStandIns();

    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    auto* translator = new QTranslator(&app);
    if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QApplication::installTranslator(translator);
    return true;
}

QString settingsFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(folder);
    return folder + '/';
}

}  // namespace tolvane::gui
