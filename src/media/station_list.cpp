#include "media/station_list.h"

#include "lang/cp1251.h"

namespace tavlo {

const std::array<RadioCountry, kRadioCountryCount>& RadioCountries() {
  static const std::array<RadioCountry, kRadioCountryCount> countries = {{
      {"RUS", "Russian Federation"},
      {"UA0", "Ukraine"},
      {"BEL", "Belarus"},
      {"MOL", "Moldova"},
      {"EST", "Estonia"},
      {"LAT", "Latvia"},
      {"LIT", "Lithuania"},
      {"ARM", "Armenia"},
      {"GEO", "Georgia"},
      {"AZE", "Azerbaijan"},
      {"KZ0", "Kazakhstan"},
      {"UZ0", "Uzbekistan"},
      {"USA", "USA"},
      {"CAN", "Canada"},
      {"UK0", "United Kingdom"},
      {"AUS", "Australia"},
      {"DE0", "Deutschland"},
      {"FRA", "France"},
      {"ITA", "Italy"},
      {"NED", "Netherlands"},
      {"SWE", "Sweden"},
      {"CZ0", "Czech Republic"},
      {"ESP", "Spain"},
      {"BRA", "Brazil"},
      {"IND", "India"},
      {"CHI", "China"},
      {"JAP", "Japan"},
      {"SK0", "South Korea"},
  }};
  return countries;
}

std::vector<Station> ParseStationList(std::string_view bytes) {
  std::vector<Station> stations;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    // "RUS#AVTORAD#": a code, a separator, a 7-character key and another separator at the least.
    if (line.size() < 12 || line.front() == '#' || line[3] != '#' || line[11] != '#') continue;

    std::vector<std::string_view> fields;
    std::size_t at = 0;
    while (true) {
      const std::size_t hash = line.find('#', at);
      fields.push_back(line.substr(at, hash == std::string_view::npos ? std::string_view::npos : hash - at));
      if (hash == std::string_view::npos) break;
      at = hash + 1;
    }
    if (fields.size() < 5 || fields[4].empty()) continue;
    Station s;
    s.CountryCode = Cp1251ToUtf8(fields[0]);
    s.Key = Cp1251ToUtf8(line.substr(4, 7));
    s.Name = Cp1251ToUtf8(fields[2]);
    s.Country = Cp1251ToUtf8(fields[3]);
    s.Url = Cp1251ToUtf8(fields[4]);
    s.Logo = fields.size() > 5 && !fields[5].empty() ? Cp1251ToUtf8(fields[5]) : std::string(kDefaultStationLogo);
    stations.push_back(std::move(s));
  }
  return stations;
}

std::vector<Station> StationsOfCountry(const std::vector<Station>& stations, int filter) {
  std::vector<Station> out;
  if (filter < 1 || filter > kRadioCountryCount) return out;
  const std::string_view code = RadioCountries()[static_cast<std::size_t>(filter - 1)].Code;
  for (const Station& s : stations) {
    if (s.CountryCode == code) out.push_back(s);
  }
  return out;
}

std::optional<Station> FindStation(const std::vector<Station>& stations, std::string_view key) {
  for (const Station& s : stations) {
    if (s.Key == key) return s;
  }
  return std::nullopt;
}

std::string_view DefaultStationList() {
  // Public broadcasters' MP3 streams; a station that has moved its stream simply stays silent.
  return "# Tavlo station list: country#key#name#country name#stream address#logo\r\n"
         "RUS#AVTORAD#Avtoradio#Russian Federation#http://ic7.101.ru:8000/v3_1#RRADIO_LOGO_AVTORADIO\r\n"
         "RUS#RADROSS#Radio Rossii#Russian Federation#http://icecast.vgtrk.cdnvideo.ru/rrzonam_mp3_128kbps#\r\n"
         "UK0#BBCWSER#BBC World Service#United Kingdom#http://stream.live.vc.bbcmedia.co.uk/bbc_world_service#\r\n"
         "DE0#DLFKULT#Deutschlandfunk Kultur#Deutschland#http://st02.dlf.de/dlf/02/128/mp3/stream.mp3#\r\n"
         "DE0#DLFUNKK#Deutschlandfunk#Deutschland#http://st01.dlf.de/dlf/01/128/mp3/stream.mp3#\r\n"
         "FRA#FRINTER#France Inter#France#http://icecast.radiofrance.fr/franceinter-midfi.mp3#\r\n"
         "FRA#FRMUSIQ#France Musique#France#http://icecast.radiofrance.fr/francemusique-midfi.mp3#\r\n"
         "NED#NPORAD1#NPO Radio 1#Netherlands#http://icecast.omroep.nl/radio1-bb-mp3#\r\n"
         "NED#NPORAD4#NPO Radio 4#Netherlands#http://icecast.omroep.nl/radio4-bb-mp3#\r\n"
         "CZ0#CRODVOJ#CRo Dvojka#Czech Republic#http://icecast5.play.cz/cro2-128.mp3#\r\n"
         "SWE#SRP1000#Sveriges Radio P1#Sweden#http://sverigesradio.se/topsy/direkt/132-hi-mp3#\r\n";
}

}  // namespace tavlo
