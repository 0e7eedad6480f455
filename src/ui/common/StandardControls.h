#pragma once

#include "resources/DialogTemplate.h"

#include <QString>

class QWidget;

namespace kolekt {

// The widget the dialog manager would create for a control of the template.
QWidget* createStandardControl(const ControlTemplate& control, QWidget* parent);

// A template text as shown: "&" marks a mnemonic and "&&" a literal ampersand.
QString templateText(std::string_view text);

// The text without mnemonic marks, for accessible names.
QString withoutMnemonic(const QString& text);

} // namespace kolekt
