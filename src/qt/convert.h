#pragma once
// Conversions between the form model's values and Qt's: colours, texts and caret positions, keys, file
// filters, twips.

#include <QColor>
#include <QPalette>
#include <QString>
#include <Qt>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ui/events.h"

namespace tallyvex::qt {

QString toQString(const std::string& utf8);
std::string toUtf8(const QString& text);

// A blue-green-red colour value. Values with the high bit set name a system colour (button face, window
// text...) and are taken from the palette; an unknown one gives nullopt.
std::optional<QColor> toQColor(std::uint32_t bgr, const QPalette& palette);

// Pixels for a length in twips at `dpi` dots per inch.
int twipsToPixels(int twips, double dpi);

// A caption as a label shows it: '&' access-key marks removed ("&&" is one '&'), line breaks as '\n'.
QString labelText(const std::string& caption);
// A caption for a button or check box: access keys stay (Qt and the model mark them alike).
QString buttonText(const std::string& caption);

// A text box's text as a Qt edit shows it: "\r\n" and a lone '\r' become '\n'.
QString editText(const std::string& text);

// Maps caret positions between a text box's model text (characters of UTF-8, line breaks as "\r\n") and
// its Qt edit (UTF-16 units, line breaks as '\n').
class CaretMap {
public:
    explicit CaretMap(const std::string& modelText);
    int toWidget(int modelPos) const;
    int toModel(int widgetPos) const;
    int modelLength() const { return static_cast<int>(m_widgetAt.size()) - 1; }

private:
    // Widget position before each model character, and after the last one.
    std::vector<int> m_widgetAt;
};

// A key press as the model's handlers see it; nullopt for keys they never get (modifiers alone, keys
// without a code) and for text of more than one character (input methods), which is typed instead.
std::optional<ui::Key> toKey(int qtKey, const QString& text, Qt::KeyboardModifiers modifiers);

// A file-dialog filter as Qt takes it. Accepts "Text files (*.txt)|*.txt|All (*.*)|*.*" pairs, with the
// patterns after each bar deciding what is listed, or a filter already in Qt's form.
QString fileDialogFilter(const std::string& filter);

}  // namespace tallyvex::qt
