#include "qt/convert.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace tallyvex::qt {

QString toQString(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string toUtf8(const QString& text) {
    return text.toUtf8().toStdString();
}

std::optional<QColor> toQColor(std::uint32_t bgr, const QPalette& palette) {
    if ((bgr & 0x80000000u) != 0) {
        // The index of the old system colour table.
        switch (bgr & 0xFFu) {
            case 0x05:
                return palette.color(QPalette::Base);  // window background
            case 0x08:
                return palette.color(QPalette::Text);  // window text
            case 0x0D:
                return palette.color(QPalette::Highlight);  // highlight
            case 0x0E:
                return palette.color(QPalette::HighlightedText);  // highlighted text
            case 0x0F:
                return palette.color(QPalette::Button);  // button face
            case 0x11:
                return palette.color(QPalette::PlaceholderText);  // grey text
            case 0x12:
                return palette.color(QPalette::ButtonText);  // button text
            case 0x18:
                return palette.color(QPalette::ToolTipBase);  // tip background
            case 0x17:
                return palette.color(QPalette::ToolTipText);  // tip text
            default:
                return std::nullopt;
        }
    }
    return QColor(static_cast<int>(bgr & 0xFFu), static_cast<int>((bgr >> 8) & 0xFFu),
                  static_cast<int>((bgr >> 16) & 0xFFu));
}

int twipsToPixels(int twips, double dpi) {
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

namespace {

QString withNewlines(const std::string& text) {
    QString out = toQString(text);
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

}  // namespace

QString labelText(const std::string& caption) {
    const QString text = withNewlines(caption);
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&')) {
                plain += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        plain += text[i];
    }
    return plain;
}

QString buttonText(const std::string& caption) {
    return withNewlines(caption);
}

QString editText(const std::string& text) {
    return withNewlines(text);
}

CaretMap::CaretMap(const std::string& modelText) {
    int widget = 0;
    std::size_t i = 0;
    while (i < modelText.size()) {
        m_widgetAt.push_back(widget);
        const auto lead = static_cast<unsigned char>(modelText[i]);
        std::size_t n = 1;
        while (i + n < modelText.size() && (static_cast<unsigned char>(modelText[i + n]) & 0xC0) == 0x80) {
            ++n;
        }
        if (lead == '\r' && i + 1 < modelText.size() && modelText[i + 1] == '\n') {
            // The pair shows as one line break: the '\r' takes no room of its own.
        } else if (lead >= 0xF0) {
            widget += 2;  // outside the Basic Multilingual Plane: a UTF-16 surrogate pair
        } else {
            widget += 1;
        }
        i += n;
    }
    m_widgetAt.push_back(widget);
}

int CaretMap::toWidget(int modelPos) const {
    const int last = modelLength();
    return m_widgetAt[static_cast<std::size_t>(std::clamp(modelPos, 0, last))];
}

int CaretMap::toModel(int widgetPos) const {
    // The first model position at or after the widget position: before a "\r\n" pair, not inside it.
    const auto it = std::lower_bound(m_widgetAt.begin(), m_widgetAt.end(), widgetPos);
    if (it == m_widgetAt.end()) {
        return modelLength();
    }
    return static_cast<int>(it - m_widgetAt.begin());
}

std::optional<ui::Key> toKey(int qtKey, const QString& text, Qt::KeyboardModifiers modifiers) {
    namespace k = ui::keys;
    switch (qtKey) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return ui::Key{k::kEnter, "\r"};
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return ui::Key{k::kTab, ""};
        case Qt::Key_Escape:
            return ui::Key{k::kEscape, "\x1b"};
        case Qt::Key_Backspace:
            return ui::Key{k::kBackspace, "\b"};
        case Qt::Key_Delete:
            return ui::Key{k::kDelete, ""};
        case Qt::Key_Home:
            return ui::Key{k::kHome, ""};
        case Qt::Key_End:
            return ui::Key{k::kEnd, ""};
        case Qt::Key_Left:
            return ui::Key{k::kLeft, ""};
        case Qt::Key_Up:
            return ui::Key{k::kUp, ""};
        case Qt::Key_Right:
            return ui::Key{k::kRight, ""};
        case Qt::Key_Down:
            return ui::Key{k::kDown, ""};
        case Qt::Key_PageUp:
            return ui::Key{33, ""};
        case Qt::Key_PageDown:
            return ui::Key{34, ""};
        case Qt::Key_Insert:
            return ui::Key{45, ""};
        default:
            break;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) {
        return ui::Key{112 + (qtKey - Qt::Key_F1), ""};
    }
    if ((modifiers & Qt::ControlModifier) && qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
        // Ctrl+letter types the control character, as the old keyboard handling reports it.
        return ui::Key{qtKey, std::string(1, static_cast<char>(qtKey - Qt::Key_A + 1))};
    }
    if (text.isEmpty() || text.toUcs4().size() != 1 || text[0].unicode() < 0x20 ||
        text[0].unicode() == 0x7F) {
        return std::nullopt;
    }
    return ui::Key::character(toUtf8(text));
}

QString fileDialogFilter(const std::string& filter) {
    const QString text = toQString(filter).trimmed();
    if (text.isEmpty()) {
        return QStringLiteral("All files (*)");
    }
    if (!text.contains(QLatin1Char('|'))) {
        return text;
    }
    const QStringList parts = text.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        const qsizetype open = description.lastIndexOf(QLatin1Char('('));
        if (open > 0 && description.endsWith(QLatin1Char(')'))) {
            description = description.left(open).trimmed();
        }
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            // A stray closing bracket after a pattern ("*.txt)") is no part of a file name.
            while (pattern.endsWith(QLatin1Char(')')) && !pattern.contains(QLatin1Char('('))) {
                pattern.chop(1);
            }
            // "*.*" means every file, with or without an extension.
            if (pattern == QStringLiteral("*.*")) {
                pattern = QStringLiteral("*");
            }
        }
        const QString joined = patterns.join(QLatin1Char(' '));
        if (joined.isEmpty()) {
            continue;
        }
        entries << (description.isEmpty() ? joined : description) + QStringLiteral(" (") + joined +
                       QLatin1Char(')');
    }
    if (entries.isEmpty()) {
        return QStringLiteral("All files (*)");
    }
    return entries.join(QStringLiteral(";;"));
}

}  // namespace tallyvex::qt
