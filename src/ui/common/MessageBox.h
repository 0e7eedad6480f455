// Every message box of the program goes through here, so tests can script the
// answers. The caption is always the application name.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace kolekt {

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Information, Question, Warning, Error };
enum class MessageAnswer { Ok, Yes, No };

class MessageBoxSeam {
public:
    virtual ~MessageBoxSeam() = default;
    virtual MessageAnswer show(QWidget* parent, const QString& text, MessageButtons buttons,
                               MessageIcon icon) = 0;
    virtual int offer(QWidget* parent, const QString& text, const QStringList& offers,
                      MessageIcon icon) = 0;
};

// A Yes/No box has Yes as its default button and answers to the keys Y and N.
MessageAnswer messageBox(const QString& text, MessageButtons buttons = MessageButtons::Ok,
                         MessageIcon icon = MessageIcon::None, QWidget* parent = nullptr);

// A message with a button for each thing the user can do about it, then OK: the index of the
// offer chosen, or -1 for OK, Esc and the close box. Its text can be selected and copied.
int messageBoxOffering(const QString& text, const QStringList& offers, QWidget* parent = nullptr,
                       MessageIcon icon = MessageIcon::Warning);

// Replaces the real message box (null restores it). The seam is not owned.
void setMessageBoxSeam(MessageBoxSeam* seam);

// The executable's file name without extension.
QString applicationName();

} // namespace kolekt
