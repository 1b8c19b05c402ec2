// The common ground of the modal forms on screen. A form dialog shows the
// members of one core model: every widget is bound to the model field of the
// same name, every user action calls one handler of the model, and afterwards
// every widget is refreshed from the model. When the model asks to close, the
// dialog ends.
#pragma once

#include <QDialog>
#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tolvane {
class Host;
}

namespace tolvane::gui {

QString qs(std::string_view text);
std::string ss(const QString& text);

// A rectangle of the form, in client coordinates.
inline QRect at(int x, int y, int w, int h) { return QRect(x, y, w, h); }

class FormDialog : public QDialog {
    Q_OBJECT
public:
    using Handler = std::function<void()>;

    FormDialog(QWidget* parent, Host* host, std::string_view objectName);

    // Runs one handler of the model under the program's one guard: whatever
    // stops it (a number that cannot be read, any other error) is shown in
    // the general error box and ends the handler there; then every widget is
    // refreshed, the focus goes where the model asked, and the dialog ends
    // when the model asks to close.
    void run(const Handler& handler);
    // Shows every model field again.
    void refresh();

    // ---- widgets bound to model fields (created in reading order, which is
    // also the Tab order)
    QLabel* text(QWidget* parent, std::string_view caption, QRect r);
    QLabel* label(QWidget* parent, const char* name, const std::string& field, QRect r);
    QLineEdit* edit(QWidget* parent, const char* name, std::string& field, QRect r);
    // An editable list. `chosen` runs when the user picks an entry or
    // presses Enter in it; with `onLeave` also when a typed text is left.
    QComboBox* combo(QWidget* parent, const char* name, std::string& field, const std::vector<std::string>& items,
                     QRect r, Handler chosen = {}, bool onLeave = false);
    QPushButton* button(QWidget* parent, const char* name, std::string_view caption, QRect r, Handler clicked);
    // A button whose caption is a model field.
    QPushButton* captionButton(QWidget* parent, const char* name, const std::string& caption, QRect r,
                               Handler clicked);
    QRadioButton* radio(QWidget* parent, const char* name, std::string_view caption, const bool& field, QRect r,
                        Handler clicked);
    QCheckBox* check(QWidget* parent, const char* name, std::string_view caption, bool& field, QRect r);

    // ---- further bindings
    void bindVisible(QWidget* widget, const bool& flag);
    void bindEnabled(QWidget* widget, const bool& flag);
    void onRefresh(std::function<void()> refresher);
    void onMousePress(QWidget* widget, Handler handler);
    void onDoubleClick(QWidget* widget, Handler handler);
    void onMouseEnter(QWidget* widget, Handler handler);
    // A text typed into an edit, when it is left or Enter is pressed.
    void onEdited(QLineEdit* edit, Handler handler);
    // Any event of a widget; `consume` keeps it from the widget itself.
    void onEvent(QObject* object, int type, Handler handler, bool consume);
    // An event of a widget, looked at first; true when it was consumed.
    void hook(QObject* object, int type, std::function<bool(QEvent*)> handler);

    // The model's focus request ("Edit5", "Button6" ...); emptied once applied.
    void setFocusRequest(std::string* activeControl) { focusRequest_ = activeControl; }
    // Whether the model has asked to close, and how it was closed.
    void setCloseTest(std::function<bool()> closeRequested, std::function<bool()> accepted);
    // What Esc and the window's close box do in the model.
    void setCancel(Handler cancel) { cancel_ = std::move(cancel); }

    Host* host() const { return host_; }

    // Takes the form out of sight while another form stands in for it, and
    // shows it again; its modal loop goes on meanwhile (hiding a dialog
    // would end it).
    void setParked(bool parked);

public slots:
    void reject() override;
    void setVisible(bool visible) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void applyFocusRequest();
    bool finishIfClosing();

    // An event of one watched object; the hook tells whether it consumed it.
    struct EventHook {
        QObject* object;
        int type;
        std::function<bool(QEvent*)> handler;
    };

    Host* host_;
    std::vector<std::function<void()>> refreshers_;
    std::vector<EventHook> hooks_;
    std::string* focusRequest_ = nullptr;
    std::function<bool()> closeRequested_;
    std::function<bool()> accepted_;
    Handler cancel_;
    int running_ = 0;
    bool parked_ = false;
    QPoint parkedAt_;
    bool minchoApplied_ = false;
};

}  // namespace tolvane::gui
