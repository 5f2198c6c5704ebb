#include "ui/control.h"

namespace tallyvex::ui {

const char* kindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
            return "label";
        case ControlKind::TextBox:
            return "textbox";
        case ControlKind::CheckBox:
            return "checkbox";
        case ControlKind::OptionButton:
            return "option";
        case ControlKind::Button:
            return "button";
        case ControlKind::ComboBox:
            return "combobox";
        case ControlKind::ListBox:
            return "listbox";
        case ControlKind::HScrollBar:
            return "hscrollbar";
        case ControlKind::VScrollBar:
            return "vscrollbar";
        case ControlKind::Frame:
            return "frame";
        case ControlKind::Picture:
            return "picture";
    }
    return "control";
}

std::string Control::key() const {
    return index < 0 ? name : name + "(" + std::to_string(index) + ")";
}

bool Control::canFocus() const {
    switch (kind) {
        case ControlKind::TextBox:
        case ControlKind::CheckBox:
        case ControlKind::OptionButton:
        case ControlKind::Button:
        case ControlKind::ComboBox:
        case ControlKind::ListBox:
        case ControlKind::HScrollBar:
        case ControlKind::VScrollBar:
            return visible && enabled;
        default:
            return false;
    }
}

std::string MenuItem::plainCaption() const {
    std::string plain;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size() && caption[i + 1] == '&') {
            plain += '&';
            ++i;
        } else if (caption[i] != '&') {
            plain += caption[i];
        }
    }
    return plain;
}

}  // namespace tallyvex::ui
