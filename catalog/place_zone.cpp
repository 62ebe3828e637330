#include "catalog/place_zone.h"

#include <cmath>
#include <limits>
#include <string_view>

#include "core/latin1_text.h"
#include "core/number_text.h"
#include "core/timescale.h"

namespace location {

namespace {

struct NamedZone {
    std::string_view key;  // a country code, or a place name of a country of several zones
    const char* rule;
};

// One zone for the whole country (or for the part of it the list's places lie in).
constexpr NamedZone kCountryZones[] = {
    {"AE", "Asia/Dubai"},
    {"AF", "Asia/Kabul"},
    {"AM", "Asia/Yerevan"},
    {"AO", "Africa/Luanda"},
    {"AR", "America/Argentina/Buenos_Aires"},
    {"AT", "Europe/Vienna"},
    {"AU", "Australia/Sydney"},
    {"BD", "Asia/Dhaka"},
    {"BE", "Europe/Brussels"},
    {"BF", "Africa/Ouagadougou"},
    {"BG", "Europe/Sofia"},
    {"BO", "America/La_Paz"},
    {"BR", "America/Sao_Paulo"},
    {"BY", "Europe/Minsk"},
    {"CA", "America/Toronto"},
    {"CH", "Europe/Zurich"},
    {"CI", "Africa/Abidjan"},
    {"CL", "America/Santiago"},
    {"CM", "Africa/Douala"},
    {"CN", "Asia/Shanghai"},
    {"CO", "America/Bogota"},
    {"CU", "America/Havana"},
    {"CZ", "Europe/Prague"},
    {"DE", "Europe/Berlin"},
    {"DK", "Europe/Copenhagen"},
    {"DZ", "Africa/Algiers"},
    {"EC", "America/Guayaquil"},
    {"EG", "Africa/Cairo"},
    {"ES", "Europe/Madrid"},
    {"ET", "Africa/Addis_Ababa"},
    {"FI", "Europe/Helsinki"},
    {"FR", "Europe/Paris"},
    {"GB", "Europe/London"},
    {"GE", "Asia/Tbilisi"},
    {"GH", "Africa/Accra"},
    {"GN", "Africa/Conakry"},
    {"GR", "Europe/Athens"},
    {"HK", "Asia/Hong_Kong"},
    {"HT", "America/Port-au-Prince"},
    {"HU", "Europe/Budapest"},
    {"ID", "Asia/Jakarta"},
    {"IE", "Europe/Dublin"},
    {"IN", "Asia/Kolkata"},
    {"IQ", "Asia/Baghdad"},
    {"IR", "Asia/Tehran"},
    {"IT", "Europe/Rome"},
    {"JO", "Asia/Amman"},
    {"JP", "Asia/Tokyo"},
    {"KE", "Africa/Nairobi"},
    {"KH", "Asia/Phnom_Penh"},
    {"KP", "Asia/Pyongyang"},
    {"KR", "Asia/Seoul"},
    {"KZ", "Asia/Almaty"},
    {"LB", "Asia/Beirut"},
    {"LU", "Europe/Luxembourg"},
    {"LY", "Africa/Tripoli"},
    {"MA", "Africa/Casablanca"},
    {"MG", "Indian/Antananarivo"},
    {"ML", "Africa/Bamako"},
    {"MX", "America/Mexico_City"},
    {"MY", "Asia/Kuala_Lumpur"},
    {"MZ", "Africa/Maputo"},
    {"NG", "Africa/Lagos"},
    {"NL", "Europe/Amsterdam"},
    {"NO", "Europe/Oslo"},
    {"NP", "Asia/Kathmandu"},
    {"PE", "America/Lima"},
    {"PH", "Asia/Manila"},
    {"PK", "Asia/Karachi"},
    {"PL", "Europe/Warsaw"},
    {"PT", "Europe/Lisbon"},
    {"PY", "America/Asuncion"},
    {"RO", "Europe/Bucharest"},
    {"RS", "Europe/Belgrade"},
    {"RU", "Europe/Moscow"},
    {"SA", "Asia/Riyadh"},
    {"SD", "Africa/Khartoum"},
    {"SE", "Europe/Stockholm"},
    {"SG", "Asia/Singapore"},
    {"SN", "Africa/Dakar"},
    {"SO", "Africa/Mogadishu"},
    {"TH", "Asia/Bangkok"},
    {"TR", "Europe/Istanbul"},
    {"TW", "Asia/Taipei"},
    {"TZ", "Africa/Dar_es_Salaam"},
    {"UA", "Europe/Kyiv"},
    {"US", "America/New_York"},
    {"UY", "America/Montevideo"},
    {"UZ", "Asia/Tashkent"},
    {"VE", "America/Caracas"},
    {"VN", "Asia/Ho_Chi_Minh"},
    {"YE", "Asia/Aden"},
    {"ZA", "Africa/Johannesburg"},
    {"ZM", "Africa/Lusaka"},
    {"ZW", "Africa/Harare"},
};

// The places of the list in countries of several zones whose zone is not the
// country's of the table above.
constexpr NamedZone kPlaceZones[] = {
    {"Adelaide", "Australia/Adelaide"},
    {"Brisbane", "Australia/Brisbane"},
    {"Melbourne", "Australia/Melbourne"},
    {"Perth", "Australia/Perth"},
    {"Belém", "America/Belem"},
    {"Fortaleza", "America/Fortaleza"},
    {"Manaus", "America/Manaus"},
    {"Salvador", "America/Bahia"},
    {"Calgary", "America/Edmonton"},
    {"Makassar", "Asia/Makassar"},
    {"Ciudad Juárez", "America/Ciudad_Juarez"},
    {"Monterrey", "America/Monterrey"},
    {"Tijuana", "America/Tijuana"},
    {"Córdoba", "America/Argentina/Cordoba"},
    {"Volgograd", "Europe/Volgograd"},
    {"Yekaterinburg", "Asia/Yekaterinburg"},
    {"Chicago", "America/Chicago"},
    {"Dallas", "America/Chicago"},
    {"Houston", "America/Chicago"},
    {"San Antonio", "America/Chicago"},
    {"Los Angeles", "America/Los_Angeles"},
    {"San Diego", "America/Los_Angeles"},
    {"San Jose", "America/Los_Angeles"},
    {"Phoenix", "America/Phoenix"},
};

const char* Find(const NamedZone* begin, const NamedZone* end, std::string_view key) {
    for (const NamedZone* z = begin; z != end; ++z)
        if (z->key == key) return z->rule;
    return nullptr;
}

}  // namespace

std::string ZoneRuleOfListedPlace(const std::string& name) {
    const std::string_view text = numtext::Trim(name);
    const std::size_t open = text.rfind(" (");
    if (text.size() < 5 || open == std::string_view::npos || open + 5 != text.size() ||
        text.back() != ')')
        return "Europe/Berlin";
    const std::string_view place = text.substr(0, open);
    if (const char* rule = Find(std::begin(kPlaceZones), std::end(kPlaceZones), place)) return rule;
    const char* rule =
        Find(std::begin(kCountryZones), std::end(kCountryZones), text.substr(open + 2, 2));
    return rule ? rule : std::string();
}

std::string ZoneRuleNearPlace(double longitudeDeg, double latitudeDeg,
                              const std::vector<PlaceRow>& rows) {
    std::string best;
    double bestCos = -std::numeric_limits<double>::infinity();
    const double lat = latitudeDeg * kDegToRad;
    for (const PlaceRow& row : rows) {
        double lon2 = 0.0, lat2 = 0.0;
        if (!numtext::ParseReal(std::string(numtext::Trim(row[0])), lon2) ||
            !numtext::ParseReal(std::string(numtext::Trim(row[1])), lat2))
            continue;
        // The cosine of the angular distance: the largest is the nearest.
        const double phi = lat2 * kDegToRad;
        const double c =
            std::sin(lat) * std::sin(phi) +
            std::cos(lat) * std::cos(phi) * std::cos((longitudeDeg - lon2) * kDegToRad);
        if (!(c > bestCos)) continue;
        std::string rule = ZoneRuleOfListedPlace(Latin1ToUtf8(std::string(numtext::Trim(row[3]))));
        if (rule.empty()) continue;
        bestCos = c;
        best = std::move(rule);
    }
    return best;
}

}  // namespace location
