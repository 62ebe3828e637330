#include "prediction/pass_events.h"

#include <cstdio>

#include "prediction/pass_lines.h"

std::string_view StartReasonText(PassLimit limit) {
    switch (limit) {
        case PassLimit::Altitude:
            return "rise";
        case PassLimit::Shadow:
            return "shadow";
        case PassLimit::Twilight:
            return "twilight";
        case PassLimit::Open:
            break;
    }
    return "open";
}

std::string_view EndReasonText(PassLimit limit) {
    return limit == PassLimit::Altitude ? std::string_view("set") : StartReasonText(limit);
}

std::string EventCompassWord(const PassEvent& event) {
    std::string word = CompassWord(event.azimuthDeg - 180.0);
    while (!word.empty() && word.back() == ' ') word.pop_back();
    return word;
}

std::string UtcIsoText(JD1900 instant) {
    const CivilDateTime c = CivilFromJD1900(instant, 0.0);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", c.year, c.month, c.day,
                  c.hour, c.minute, c.second);
    return text;
}
