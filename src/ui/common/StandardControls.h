#pragma once

#include "resources/DialogTemplate.h"

#include <QString>

class QWidget;

namespace kolekt {

// The widget the dialog manager would create for a control of the template, still without its
// caption (CBaseDialog puts the captions on).
QWidget* createStandardControl(const ControlTemplate& control, QWidget* parent);

// A template caption in the current language: "&" marks a mnemonic and "&&" a literal ampersand.
QString captionText(const TemplateText& text);

// The text without mnemonic marks, for accessible names.
QString withoutMnemonic(const QString& text);

} // namespace kolekt
