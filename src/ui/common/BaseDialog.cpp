#include "ui/common/BaseDialog.h"

#include "resources/StringTable.h"
#include "ui/common/CGuideWindow.h"
#include "ui/common/DialogUnits.h"
#include "ui/common/IntegerExchange.h"
#include "ui/common/KeptWindowSize.h"
#include "ui/common/MessageBox.h"
#include "ui/common/StandardControls.h"
#include "ui/common/UiText.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <algorithm>
#include <string>

namespace kolekt {

namespace {

bool isFrame(ControlKind kind) {
    return kind == ControlKind::GroupBox || kind == ControlKind::EtchedFrame ||
           kind == ControlKind::Static || kind == ControlKind::Icon;
}

bool isField(ControlKind kind) {
    return kind == ControlKind::Edit || kind == ControlKind::ListBox;
}

// Breaks a check box caption into lines that fit its width, as a wrapping
// check box of the platform does.
QString wrapToWidth(const QString& text, const QFontMetrics& metrics, int width) {
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QString wrapped;
    QString line;
    for (const QString& word : words) {
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(withoutMnemonic(candidate)) > width) {
            wrapped += line + QLatin1Char('\n');
            line = word;
        } else {
            line = candidate;
        }
    }
    return wrapped + line;
}

// The static that names a field: directly above it or to its left, nearest first.
// Reading order: rows from the top, a control whose top lies within a line's height of the row's
// first joins that row, and left to right within a row.
QList<int> layoutOrder(const DialogTemplate& dialog, const QList<int>& indexes) {
    constexpr int kLine = 8;
    QList<int> byTop = indexes;
    std::stable_sort(byTop.begin(), byTop.end(), [&](int a, int b) {
        return dialog.controls[static_cast<std::size_t>(a)].y <
               dialog.controls[static_cast<std::size_t>(b)].y;
    });
    QList<int> order;
    for (qsizetype first = 0; first < byTop.size();) {
        const int rowTop = dialog.controls[static_cast<std::size_t>(byTop[first])].y;
        qsizetype end = first;
        while (end < byTop.size() &&
               dialog.controls[static_cast<std::size_t>(byTop[end])].y < rowTop + kLine)
            ++end;
        QList<int> row = byTop.mid(first, end - first);
        std::stable_sort(row.begin(), row.end(), [&](int a, int b) {
            return dialog.controls[static_cast<std::size_t>(a)].x <
                   dialog.controls[static_cast<std::size_t>(b)].x;
        });
        order += row;
        first = end;
    }
    return order;
}

int captionFor(const ControlTemplate& field, const DialogTemplate& dialog) {
    int best = kNoId;
    int bestDistance = 0;
    for (const ControlTemplate& c : dialog.controls) {
        if (c.kind != ControlKind::Static || c.id == kNoId) {
            continue;
        }
        const bool overlapsX = c.x < field.x + field.width && field.x < c.x + c.width;
        const bool overlapsY = c.y < field.y + field.height && field.y < c.y + c.height;
        int distance = -1;
        if (overlapsX && c.y + c.height <= field.y + 1 && field.y - (c.y + c.height) <= 12) {
            distance = field.y - (c.y + c.height);
        } else if (overlapsY && c.x + c.width <= field.x + 1 && field.x - (c.x + c.width) <= 20) {
            distance = field.x - (c.x + c.width);
        }
        if (distance >= 0 && (best == kNoId || distance < bestDistance)) {
            best = c.id;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace

CBaseDialog::CBaseDialog(const DialogTemplate& dialogTemplate, QWidget* owner,
                         const ControlFactory& factory)
    : QDialog(owner), template_(dialogTemplate) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (dialogTemplate.style & kDialogSystemMenu) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    setWindowFlags(flags);
    setModal(true);
    setFont(dialogFont(dialogTemplate.fontFace, dialogTemplate.pointSize));
    baseUnits_ = dialogBaseUnits(font());
    build(dialogTemplate, factory);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [this] { CGuideWindow::show(helpSection_, this); });
}

void CBaseDialog::build(const DialogTemplate& dialogTemplate, const ControlFactory& factory) {
    templateSize_ =
        dialogUnitsToPixels(baseUnits_, 0, 0, dialogTemplate.width, dialogTemplate.height).size();
    if (dialogTemplate.style & kDialogResizable) {
        setMinimumSize(templateSize_);
        resize(templateSize_);
    } else {
        setFixedSize(templateSize_);
    }
    QList<QWidget*> frames;
    QList<int> focusable;
    for (const ControlTemplate& c : dialogTemplate.controls) {
        QWidget* widget = factory ? factory(c, this) : nullptr;
        if (!widget) {
            widget = createStandardControl(c, this);
        }
        templateRects_.append(mapDialogRect(c.x, c.y, c.width, c.height));
        widget->setGeometry(templateRects_.last());
        widget->setHidden(!c.visible);
        if (isFrame(c.kind)) {
            // Frames and captions lie under the controls they surround and never take clicks.
            widget->setFocusPolicy(Qt::NoFocus);
            if (c.kind != ControlKind::Static) {
                widget->setAttribute(Qt::WA_TransparentForMouseEvents);
                frames.append(widget);
            }
        } else {
            widget->setFocusPolicy(c.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
            focusable.append(static_cast<int>(templateWidgets_.size()));
            templateOrder_.append(widget);
        }
        templateWidgets_.append(widget);
        // Signs read the same in every language: put on once, they keep any name the dialog
        // gives them instead.
        if (c.text.id == TextId::None) {
            setTemplateCaption(c, widget);
        }
        if (c.id != kNoId) {
            controls_.insert(c.id, widget);
            connectControl(c.id, widget);
        }
        widget->installEventFilter(this);
    }
    for (QWidget* frame : frames) {
        frame->lower();
    }
    if (dialogTemplate.style & kDialogTabByLayout) {
        for (const int index : layoutOrder(dialogTemplate, focusable)) {
            tabOrder_.append(templateWidgets_[index]);
        }
    } else {
        tabOrder_ = templateOrder_;
    }
    for (qsizetype i = 1; i < tabOrder_.size(); ++i) {
        QWidget::setTabOrder(tabOrder_[i - 1], tabOrder_[i]);
    }
    applyTemplateTexts();
    nameFieldsByTheirCaptions(dialogTemplate);
}

void CBaseDialog::applyTemplateTexts() {
    if (template_.title != TextId::None) {
        setWindowTitle(loadUiText(template_.title));
    }
    for (qsizetype i = 0; i < templateWidgets_.size(); ++i) {
        const ControlTemplate& c = template_.controls[static_cast<std::size_t>(i)];
        if (c.text.id != TextId::None) {
            setTemplateCaption(c, templateWidgets_[i]);
        }
    }
}

void CBaseDialog::setTemplateCaption(const ControlTemplate& c, QWidget* widget) {
    if (isField(c.kind)) {
        return;
    }
    const QString text = captionText(c.text);
    // Controls without a caption get their texts and names from the dialog.
    if (text.isEmpty()) {
        return;
    }
    const QString plain = withoutMnemonic(text).simplified();
    if (auto* box = qobject_cast<QCheckBox*>(widget); box && (c.style & kStyleWrap)) {
        const int indicator = 24;
        box->setText(wrapToWidth(text, box->fontMetrics(), widget->width() - indicator));
    } else if (auto* buttonWidget = qobject_cast<QAbstractButton*>(widget)) {
        buttonWidget->setText(text);
    } else if (auto* labelWidget = qobject_cast<QLabel*>(widget)) {
        // Statics show '&' as a mnemonic underline only with a buddy; ours have none, so the
        // text is shown without the marks unless the template asks for no prefix.
        labelWidget->setText((c.style & kStyleNoPrefix) ? text : withoutMnemonic(text));
        for (auto it = captionOf_.cbegin(); it != captionOf_.cend(); ++it) {
            if (it.value() == c.id) {
                control(it.key())->setAccessibleName(labelWidget->text());
            }
        }
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(withoutMnemonic(text));
    }
    widget->setAccessibleName(plain);
}

void CBaseDialog::nameFieldsByTheirCaptions(const DialogTemplate& dialogTemplate) {
    for (const ControlTemplate& c : dialogTemplate.controls) {
        if (!isField(c.kind) || c.id == kNoId) {
            continue;
        }
        const int caption = captionFor(c, dialogTemplate);
        if (caption != kNoId) {
            captionOf_.insert(c.id, caption);
            control(c.id)->setAccessibleName(controlText(caption));
        }
    }
}

void CBaseDialog::connectControl(int id, QWidget* widget) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        connect(button, &QAbstractButton::clicked, this, [this, id] { dispatchCommand(id); });
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
        connect(list, &QListWidget::currentRowChanged, this,
                [this, id] { onListSelectionChanged(id); });
        connect(list, &QListWidget::itemDoubleClicked, this,
                [this, id] { onListDoubleClicked(id); });
    }
}

int CBaseDialog::runModal() {
    result_ = kIdCancel;
    exec();
    return result_;
}

QWidget* CBaseDialog::control(int id) const {
    return controls_.value(id, nullptr);
}
QPushButton* CBaseDialog::button(int id) const {
    return controlAs<QPushButton>(id);
}
QLineEdit* CBaseDialog::edit(int id) const {
    return controlAs<QLineEdit>(id);
}
QCheckBox* CBaseDialog::checkBox(int id) const {
    return controlAs<QCheckBox>(id);
}
QListWidget* CBaseDialog::listBox(int id) const {
    return controlAs<QListWidget>(id);
}

void CBaseDialog::showControl(int id, bool visible) {
    if (QWidget* widget = control(id)) {
        widget->setHidden(!visible);
    }
}

bool CBaseDialog::isControlShown(int id) const {
    const QWidget* widget = control(id);
    return widget && !widget->isHidden();
}

void CBaseDialog::setControlText(int id, const QString& text) {
    QWidget* widget = control(id);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(text);
        button->setAccessibleName(withoutMnemonic(text));
    } else if (auto* lineEdit = qobject_cast<QLineEdit*>(widget)) {
        lineEdit->setText(text);
    } else if (auto* labelWidget = qobject_cast<QLabel*>(widget)) {
        labelWidget->setText(text);
        labelWidget->setAccessibleName(text);
        for (auto it = captionOf_.cbegin(); it != captionOf_.cend(); ++it) {
            if (it.value() == id) {
                control(it.key())->setAccessibleName(text);
            }
        }
    } else if (widget) {
        widget->setWindowTitle(text);
    }
}

QString CBaseDialog::controlText(int id) const {
    const QWidget* widget = control(id);
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text();
    }
    if (const auto* lineEdit = qobject_cast<const QLineEdit*>(widget)) {
        return lineEdit->text();
    }
    if (const auto* labelWidget = qobject_cast<const QLabel*>(widget)) {
        return labelWidget->text();
    }
    return {};
}

void CBaseDialog::setListSelection(int listId, int row) {
    if (QListWidget* list = listBox(listId)) {
        const QSignalBlocker blocker(list);
        list->setCurrentRow(row);
        if (row < 0) {
            list->clearSelection();
        }
    }
}

void CBaseDialog::setAccessibleCaption(int id, const QString& caption) {
    captionOf_.remove(id);
    if (QWidget* widget = control(id)) {
        widget->setAccessibleName(caption);
    }
}

int CBaseDialog::idOf(const QWidget* widget) const {
    for (auto it = controls_.cbegin(); it != controls_.cend(); ++it) {
        if (it.value() == widget) {
            return it.key();
        }
    }
    return kNoId;
}

int CBaseDialog::focusedId() const {
    QWidget* focus = QApplication::focusWidget();
    while (focus && focus != this) {
        const int id = idOf(focus);
        if (id != kNoId) {
            return id;
        }
        focus = focus->parentWidget();
    }
    return kNoId;
}

QRect CBaseDialog::mapDialogRect(int x, int y, int width, int height) const {
    return dialogUnitsToPixels(baseUnits_, x, y, width, height);
}

void CBaseDialog::focusControl(int id) {
    focusWidget(control(id));
}

void CBaseDialog::focusWidget(QWidget* widget) {
    if (!widget) {
        return;
    }
    widget->setFocus(Qt::OtherFocusReason);
    if (auto* lineEdit = qobject_cast<QLineEdit*>(widget)) {
        lineEdit->selectAll();
    }
}

void CBaseDialog::moveFocus(bool forward) {
    moveFocusAlong(tabOrder_, forward);
}

void CBaseDialog::moveFocusInTemplateOrder(bool forward) {
    moveFocusAlong(templateOrder_, forward);
}

void CBaseDialog::moveFocusAlong(const QList<QWidget*>& order, bool forward) {
    const qsizetype count = order.size();
    if (count == 0) {
        return;
    }
    QWidget* current = QApplication::focusWidget();
    qsizetype index = order.indexOf(current);
    if (index < 0) {
        index = forward ? count - 1 : 0;
    }
    for (qsizetype step = 1; step <= count; ++step) {
        const qsizetype next = (index + (forward ? step : count - step)) % count;
        QWidget* candidate = order[next];
        if (candidate->isVisibleTo(this) && candidate->isEnabled() &&
            (candidate->focusPolicy() & Qt::TabFocus)) {
            candidate->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            if (auto* lineEdit = qobject_cast<QLineEdit*>(candidate)) {
                lineEdit->selectAll();
            }
            return;
        }
    }
}

bool CBaseDialog::exchangeInt(int editId, int& value, int min, int max) {
    const std::optional<int> parsed = parseWholeNumber(controlText(editId));
    if (!parsed) {
        messageBox(loadUiText(TextId::EnterInteger), MessageButtons::Ok, MessageIcon::Warning,
                   this);
        focusControl(editId);
        return false;
    }
    if (*parsed < min || *parsed > max) {
        refuseOutOfRange(editId, min, max);
        return false;
    }
    value = *parsed;
    return true;
}

void CBaseDialog::refuseOutOfRange(int editId, long long min, long long max) {
    const std::string text = fillArguments(loadText(TextId::EnterIntegerBetween),
                                           {std::to_string(min), std::to_string(max)});
    messageBox(QString::fromStdString(text), MessageButtons::Ok, MessageIcon::Warning, this);
    focusControl(editId);
}

void CBaseDialog::setInt(int editId, int value) {
    setControlText(editId, QString::number(value));
}

void CBaseDialog::endDialog(int result) {
    result_ = result;
    // Ended while it is being shown (a signal during a message that initialisation shows),
    // the dialog would be hidden before exec() enters its loop, which then waits for ever.
    if (initialising_) {
        endedWhileInitialising_ = true;
        return;
    }
    QDialog::done(result);
}

bool CBaseDialog::initDialog() {
    return true;
}
void CBaseDialog::onOk() {
    endDialog(kIdOk);
}
void CBaseDialog::onCancel() {
    endDialog(kIdCancel);
}
void CBaseDialog::onCommand(int) {}
void CBaseDialog::onListDoubleClicked(int) {}
void CBaseDialog::onListSelectionChanged(int) {}
void CBaseDialog::onFocusLost(int) {}

void CBaseDialog::dispatchCommand(int id) {
    if (id == kIdOk) {
        onOk();
    } else if (id == kIdCancel) {
        onCancel();
    } else {
        onCommand(id);
    }
}

bool CBaseDialog::handleKey(QWidget* widget, QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (modifiers) {
            return false;
        }
        moveFocus(event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier));
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (modifiers) {
            return false;
        }
        if (auto* button = qobject_cast<QPushButton*>(widget); button && button->isVisible()) {
            button->click();
        } else {
            dispatchCommand(kIdOk);
        }
        return true;
    case Qt::Key_Escape:
        onCancel();
        return true;
    default:
        return false;
    }
}

bool CBaseDialog::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) {
        return QDialog::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::KeyPress:
        if (handleKey(widget, static_cast<QKeyEvent*>(event))) {
            return true;
        }
        break;
    case QEvent::Shortcut:
        // A mnemonic runs its command at once; a push button keeps the focus where it was.
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            if (button->isVisible() && button->isEnabled()) {
                dispatchCommand(idOf(button));
            }
            return true;
        }
        if (auto* box = qobject_cast<QCheckBox*>(widget)) {
            if (box->isVisible() && box->isEnabled()) {
                box->setFocus(Qt::ShortcutFocusReason);
                box->click();
            }
            return true;
        }
        break;
    case QEvent::FocusOut: {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            const int id = idOf(widget);
            if (id != kNoId) {
                onFocusLost(id);
            }
        }
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void CBaseDialog::keyPressEvent(QKeyEvent* event) {
    if (!handleKey(this, event)) {
        QDialog::keyPressEvent(event);
    }
}

void CBaseDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!initialised_) {
        initialised_ = true;
        initialising_ = true;
        const bool moveFocusFirst = initDialog();
        initialising_ = false;
        if (endedWhileInitialising_) {
            QMetaObject::invokeMethod(
                this, [this] { QDialog::done(result_); }, Qt::QueuedConnection);
            return;
        }
        if (moveFocusFirst) {
            QWidget* current = QApplication::focusWidget();
            if (!current || !isAncestorOf(current)) {
                moveFocusInTemplateOrder(true);
            }
        }
    }
}

void CBaseDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    followEdges();
}

void CBaseDialog::followEdges() {
    const int dx = std::max(0, width() - templateSize_.width());
    const int dy = std::max(0, height() - templateSize_.height());
    for (qsizetype i = 0; i < templateWidgets_.size(); ++i) {
        const unsigned style = template_.controls[static_cast<std::size_t>(i)].style;
        QRect rect = templateRects_[i];
        rect.translate((style & kStyleMovesRight) ? dx : 0, (style & kStyleMovesDown) ? dy : 0);
        rect.setRight(rect.right() + ((style & kStyleGrowsRight) ? dx : 0));
        rect.setBottom(rect.bottom() + ((style & kStyleGrowsDown) ? dy : 0));
        templateWidgets_[i]->setGeometry(rect);
    }
}

void CBaseDialog::restoreSize(const QSize& size) {
    if (template_.style & kDialogResizable)
        resizeToKeptSize(*this, size, templateSize_);
}

void CBaseDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    onCancel();
}

void CBaseDialog::reject() {
    onCancel();
}
void CBaseDialog::accept() {
    onOk();
}

} // namespace kolekt
