// A modal dialog built from a DialogTemplate, with the keyboard of the classic
// dialog manager: Enter is the OK command unless a push button has the focus,
// Esc and the close box are Cancel, Tab follows template order (or the layout,
// when the template asks) and skips hidden controls, and an edit entered by
// keyboard or program is selected whole.
#pragma once

#include "resources/DialogTemplate.h"

#include <QDialog>
#include <QHash>
#include <functional>
#include <string>
#include <string_view>

class QLineEdit;
class QListWidget;
class QPushButton;
class QCheckBox;

namespace kolekt {

// Makes the widget for a control when a dialog wants its own subclass
// (returns nullptr to get the standard widget).
using ControlFactory = std::function<QWidget*(const ControlTemplate&, QWidget* parent)>;

inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

class CBaseDialog : public QDialog {
    Q_OBJECT

public:
    CBaseDialog(const DialogTemplate& dialogTemplate, QWidget* owner,
                const ControlFactory& factory = {});

    // Runs the dialog modally; returns the value given to endDialog (kIdCancel when closed).
    int runModal();
    // The guide's section that F1 opens in this dialog.
    void setHelpSection(std::string_view section) { helpSection_ = section; }

    QWidget* control(int id) const;
    template <class T> T* controlAs(int id) const { return qobject_cast<T*>(control(id)); }
    QPushButton* button(int id) const;
    QLineEdit* edit(int id) const;
    QCheckBox* checkBox(int id) const;
    QListWidget* listBox(int id) const;

    void showControl(int id, bool visible);
    bool isControlShown(int id) const;
    void setControlText(int id, const QString& text);
    QString controlText(int id) const;
    // Selects a list line without a selection-change notification: like the platform's list
    // box, only the user's own selection changes reach onListSelectionChanged.
    void setListSelection(int listId, int row);
    // The name a screen reader announces for a field or list (its caption when the dialog
    // has none beside it in the template).
    void setAccessibleCaption(int id, const QString& caption);

    // Template id of the widget that has the focus, kNoId when none.
    int focusedId() const;
    int idOf(const QWidget* widget) const;

    // Puts the template's title and captions in the current language back on the dialog and its
    // controls (signs such as "> > >" stay as they are); texts the dialog sets itself are its own
    // to renew.
    void applyTemplateTexts();

    // Dialog units to pixels with this dialog's font.
    QRect mapDialogRect(int x, int y, int width, int height) const;

    // Gives the focus to a control the way the dialog manager does: an edit gets its text selected.
    void focusControl(int id);
    void focusWidget(QWidget* widget);
    // Next or previous tab-stop control that is shown and enabled, as Tab and Shift+Tab.
    void moveFocus(bool forward);
    // The same in template order: the dialog's own walk from field to field.
    void moveFocusInTemplateOrder(bool forward);

    // The template's size in pixels: the size the dialog opens at and, when it can be resized,
    // the smallest it gets.
    QSize templateSize() const { return templateSize_; }
    // Gives a resizable dialog a size it was left at before, no smaller than the template and
    // no larger than the screen it opens on; an empty size keeps the template's.
    void restoreSize(const QSize& size);

    // Integer exchange of an edit: a whole number within [min, max]. On a refusal the message
    // "Please enter an integer." or the one naming the bounds is shown, the field gets the focus,
    // and false is returned.
    bool exchangeInt(int editId, int& value, int min, int max);
    // The refusal naming the bounds: message shown, focus to the field.
    void refuseOutOfRange(int editId, long long min, long long max);
    void setInt(int editId, int value);

    void endDialog(int result);

protected:
    // Runs once, right before the dialog is first shown; return true to let the focus go to the
    // first tab-stop control, false when the dialog has set the focus itself.
    virtual bool initDialog();
    // The OK command: Enter (when no other push button has the focus), button 1, its mnemonic.
    virtual void onOk();
    // Esc, the close box, button 2.
    virtual void onCancel();
    // Every other push button, check box click and list box notification comes here.
    virtual void onCommand(int id);
    virtual void onListDoubleClicked(int id);
    virtual void onListSelectionChanged(int id);
    // A control lost the keyboard focus (used for the "lost focus" notifications of edits and
    // lists).
    virtual void onFocusLost(int id);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    void accept() override;

private:
    void build(const DialogTemplate& dialogTemplate, const ControlFactory& factory);
    void connectControl(int id, QWidget* widget);
    void nameFieldsByTheirCaptions(const DialogTemplate& dialogTemplate);
    void setTemplateCaption(const ControlTemplate& control, QWidget* widget);
    bool handleKey(QWidget* widget, QKeyEvent* event);
    // Puts the controls where the template's edge rules put them for the dialog's size.
    void followEdges();
    void moveFocusAlong(const QList<QWidget*>& order, bool forward);
    void dispatchCommand(int id);

    const DialogTemplate& template_;
    QList<QWidget*> templateWidgets_; // one per template control, in template order
    QHash<int, QWidget*> controls_;
    QHash<int, int> captionOf_;     // field id -> id of the static naming it
    QList<QRect> templateRects_;    // in pixels, one per template control
    QList<QWidget*> templateOrder_; // the controls that can take the focus, in template order
    QList<QWidget*> tabOrder_;
    QSize templateSize_;
    QSize baseUnits_;
    bool initialised_ = false;
    bool initialising_ = false;
    bool endedWhileInitialising_ = false;
    int result_ = kIdCancel;
    std::string helpSection_ = "open";
};

} // namespace kolekt
