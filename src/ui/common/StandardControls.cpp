#include "ui/common/StandardControls.h"

#include "ui/common/UiText.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace kolekt {

QString captionText(const TemplateText& text) {
    if (text.id != TextId::None)
        return loadUiText(text.id);
    return QString::fromUtf8(text.sign);
}

QString withoutMnemonic(const QString& text) {
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) {
            ++i;
        }
        plain += text[i];
    }
    return plain;
}

namespace {

QLabel* createStatic(const ControlTemplate& control, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(control.style & kStyleWrap || control.height > 12);
    label->setAlignment(((control.style & kStyleCentered) ? Qt::AlignHCenter : Qt::AlignLeft) |
                        Qt::AlignTop);
    label->setFocusPolicy(Qt::NoFocus);
    return label;
}

QWidget* createFrame(const ControlTemplate& control, QWidget* parent) {
    if (control.kind == ControlKind::GroupBox) {
        auto* box = new QGroupBox(parent);
        box->setFocusPolicy(Qt::NoFocus);
        return box;
    }
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setFocusPolicy(Qt::NoFocus);
    return frame;
}

} // namespace

QWidget* createStandardControl(const ControlTemplate& control, QWidget* parent) {
    switch (control.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
    case ControlKind::OwnerDrawButton: {
        auto* button = new QPushButton(parent);
        // The dialog decides what Enter does; Qt's own default-button logic stays out of it.
        button->setAutoDefault(false);
        button->setDefault(control.kind == ControlKind::DefPushButton);
        button->setFlat(control.kind == ControlKind::OwnerDrawButton || control.style & kStyleFlat);
        return button;
    }
    case ControlKind::AutoCheckBox: {
        auto* box = new QCheckBox(parent);
        if (control.style & kStyleLeftText) {
            box->setLayoutDirection(Qt::RightToLeft);
        }
        return box;
    }
    case ControlKind::Edit: {
        return new QLineEdit(parent);
    }
    case ControlKind::ListBox: {
        auto* list = new QListWidget(parent);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setUniformItemSizes(true);
        return list;
    }
    case ControlKind::Static:
        return createStatic(control, parent);
    case ControlKind::GroupBox:
    case ControlKind::EtchedFrame:
        return createFrame(control, parent);
    case ControlKind::Icon: {
        auto* icon = new QLabel(parent);
        icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
        icon->setFocusPolicy(Qt::NoFocus);
        return icon;
    }
    }
    return new QWidget(parent);
}

} // namespace kolekt
