#include "ui/services.h"

#include <cstdio>

namespace tallyvex::ui {

const char* buttonsName(Buttons buttons) {
    switch (buttons) {
        case Buttons::OK:
            return "OK";
        case Buttons::OKCancel:
            return "OK/Cancel";
        case Buttons::YesNo:
            return "Yes/No";
        case Buttons::YesNoCancel:
            return "Yes/No/Cancel";
    }
    return "OK";
}

const char* answerName(Answer answer) {
    switch (answer) {
        case Answer::OK:
            return "OK";
        case Answer::Cancel:
            return "Cancel";
        case Answer::Yes:
            return "Yes";
        case Answer::No:
            return "No";
    }
    return "OK";
}

std::string DateTime::date() const {
    return std::to_string(month) + "/" + std::to_string(day) + "/" + std::to_string(year);
}

std::string DateTime::timestamp() const {
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d-%02d%02d%02d", year, month, day, hour, minute, second);
    return text;
}

}  // namespace tallyvex::ui
