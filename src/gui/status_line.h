// The line under the sheet that tells where an output was written, with
// buttons that open the file or its folder.
#pragma once

#include <QFrame>
#include <QString>

#include <functional>

class QLabel;
class QUrl;

namespace tolvane::gui {

class StatusLine : public QFrame {
    Q_OBJECT
public:
    explicit StatusLine(QWidget* parent = nullptr);

    // "WHAT: PATH" with the buttons "ファイルを開く" and "フォルダを開く".
    void showWritten(const QString& what, const QString& path);
    QString text() const;
    QString path() const { return path_; }

    // Opens the written file in the program the desktop chooses for it.
    void openFile();
    void openFolder();

    // How a file or folder is opened (the desktop's own program; tests
    // watch instead).
    std::function<bool(const QUrl&)> openUrl;

private:
    QLabel* message_;
    QString path_;
};

}  // namespace tolvane::gui
