#include "net/club/countries.h"

#include <cstdio>

namespace tavlo {
namespace {
// Index 0 of every region is "Unknown"; the short name is what the account and the tables keep.
// Serbia-Montenegro keeps the code it had when the lists were made (cs).
const Country kRegion1[] = {
    {"Unknown", "Unknown", ""},
    {"Russia", "Russia", "ru"},
    {"Albania", "Albania", "al"},
    {"Andorra", "Andorra", "ad"},
    {"Austria", "Austria", "at"},
    {"Belarus", "Belarus", "by"},
    {"Belgium", "Belgium", "be"},
    {"Bosnia & Herzegovina", "Bosnia_Herz.", "ba"},
    {"Bulgaria", "Bulgaria", "bg"},
    {"Croatia", "Croatia", "hr"},
    {"Czech Republic", "Czech_Republic", "cz"},
    {"Denmark", "Denmark", "dk"},
    {"Estonia", "Estonia", "ee"},
    {"Faroe Islands", "Faroe_Islands", "fo"},
    {"Finland", "Finland", "fi"},
    {"France", "France", "fr"},
    {"Germany", "Germany", "de"},
    {"Gibraltar", "Gibraltar", "gi"},
    {"Greece", "Greece", "gr"},
    {"Guernsey", "Guernsey", "gg"},
    {"Hungary", "Hungary", "hu"},
    {"Iceland", "Iceland", "is"},
    {"Ireland", "Ireland", "ie"},
    {"Isle of Man", "Isle_of_Man", "im"},
    {"Italy", "Italy", "it"},
    {"Jersey", "Jersey", "je"},
    {"Latvia", "Latvia", "lv"},
    {"Liechtenstein", "Liechtenstein", "li"},
    {"Lithuania", "Lithuania", "lt"},
    {"Luxembourg", "Luxembourg", "lu"},
    {"Macedonia", "Macedonia", "mk"},
    {"Malta", "Malta", "mt"},
    {"Moldova", "Moldova", "md"},
    {"Monaco", "Monaco", "mc"},
    {"Netherlands", "Netherlands", "nl"},
    {"Norway", "Norway", "no"},
    {"Poland", "Poland", "pl"},
    {"Portugal", "Portugal", "pt"},
    {"Romania", "Romania", "ro"},
    {"San Marino", "San_Marino", "sm"},
    {"Serbia-Montenegro", "Serbia-Mont.", "cs"},
    {"Slovakia", "Slovakia", "sk"},
    {"Slovenia", "Slovenia", "si"},
    {"Spain", "Spain", "es"},
    {"Sweden", "Sweden", "se"},
    {"Switzerland", "Switzerland", "ch"},
    {"Ukraine", "Ukraine", "ua"},
    {"Vatican City", "Vatican_City", "va"},
    {"United Kingdom", "United_Kingdom", "gb"},
};
const Country kRegion2[] = {
    {"Unknown", "Unknown", ""},
    {"Afghanistan", "Afghanistan", "af"},
    {"Armenia", "Armenia", "am"},
    {"Azerbaijan", "Azerbaijan", "az"},
    {"Bahrain", "Bahrain", "bh"},
    {"Bangladesh", "Bangladesh", "bd"},
    {"Bhutan", "Bhutan", "bt"},
    {"British Indian Ocean Territory", "B.I.O.T.", "io"},
    {"Brunei", "Brunei", "bn"},
    {"Cambodia", "Cambodia", "kh"},
    {"China", "China", "cn"},
    {"Cyprus", "Cyprus", "cy"},
    {"East Timor", "East_Timor", "tl"},
    {"Georgia", "Georgia", "ge"},
    {"Hong Kong", "Hong_Kong", "hk"},
    {"India", "India", "in"},
    {"Indonesia", "Indonesia", "id"},
    {"Iran", "Iran", "ir"},
    {"Iraq", "Iraq", "iq"},
    {"Israel", "Israel", "il"},
    {"Japan", "Japan", "jp"},
    {"Jordan", "Jordan", "jo"},
    {"Kazakhstan", "Kazakhstan", "kz"},
    {"Kuwait", "Kuwait", "kw"},
    {"Kyrgyzstan", "Kyrgyzstan", "kg"},
    {"Laos", "Laos", "la"},
    {"Lebanon", "Lebanon", "lb"},
    {"Macau", "Macau", "mo"},
    {"Malaysia", "Malaysia", "my"},
    {"Maledives", "Maledives", "mv"},
    {"Mongolia", "Mongolia", "mn"},
    {"Myanmar", "Myanmar", "mm"},
    {"Nepal", "Nepal", "np"},
    {"North Korea", "North_Korea", "kp"},
    {"Oman", "Oman", "om"},
    {"Pakistan", "Pakistan", "pk"},
    {"Philippines", "Philippines", "ph"},
    {"Qatar", "Qatar", "qa"},
    {"Saudi Arabia", "Saudi_Arabia", "sa"},
    {"Singapore", "Singapore", "sg"},
    {"South Korea", "South_Korea", "kr"},
    {"Sri-Lanka", "Sri-Lanka", "lk"},
    {"Syria", "Syria", "sy"},
    {"Taiwan", "Taiwan", "tw"},
    {"Tajikistan", "Tajikistan", "tj"},
    {"Thailand", "Thailand", "th"},
    {"Turkey", "Turkey", "tr"},
    {"Turkmenistan", "Turkmenistan", "tm"},
    {"United Arab Emirates", "UAE", "ae"},
    {"Uzbekistan", "Uzbekistan", "uz"},
    {"Vietnam", "Vietnam", "vn"},
    {"Yemen", "Yemen", "ye"},
};
const Country kRegion3[] = {
    {"Unknown", "Unknown", ""},
    {"Anguilla", "Anguilla", "ai"},
    {"Antigua and Barbuda", "Antigua-Barbuda", "ag"},
    {"Aruba", "Aruba", "aw"},
    {"Bahamas", "Bahamas", "bs"},
    {"Barbados", "Barbados", "bb"},
    {"Belize", "Belize", "bz"},
    {"Bermuda", "Bermuda", "bm"},
    {"British Virgin Islands", "BVI", "vg"},
    {"Canada", "Canada", "ca"},
    {"Cayman Islands", "Cayman_Islands", "ky"},
    {"Costa Rica", "Costa_Rica", "cr"},
    {"Cuba", "Cuba", "cu"},
    {"Dominica", "Dominica", "dm"},
    {"Dominican Republic", "Dominican_Rep.", "do"},
    {"El Salvador", "El_Salvador", "sv"},
    {"Greenland", "Greenland", "gl"},
    {"Grenada", "Grenada", "gd"},
    {"Guatemala", "Guatemala", "gt"},
    {"Haiti", "Haiti", "ht"},
    {"Honduras", "Honduras", "hn"},
    {"Jamaica", "Jamaica", "jm"},
    {"Martinique", "Martinique", "mq"},
    {"Mexico", "Mexico", "mx"},
    {"Montserrat", "Montserrat", "ms"},
    {"Nicaragua", "Nicaragua", "ni"},
    {"Panama", "Panama", "pa"},
    {"Puerto Rico", "Puerto_Rico", "pr"},
    {"Saint Kitts and Nevis", "Saint_Kitts_N.", "kn"},
    {"Saint Lucia", "Saint_Lucia", "lc"},
    {"Saint Pierre and Miquelon", "Saint_Pierre_M.", "pm"},
    {"Saint Vincent and the Grenadines", "S.V._Grenadines", "vc"},
    {"Trinidad and Tobago", "Trinidad_Tobago", "tt"},
    {"Turks and Caicos Islands", "Turks_Caicos_I.", "tc"},
    {"USA", "USA", "us"},
    {"Virgin Islands", "Virgin_Islands", "vi"},
};
const Country kRegion4[] = {
    {"Unknown", "Unknown", ""},
    {"Argentina", "Argentina", "ar"},
    {"Bolivia", "Bolivia", "bo"},
    {"Brazil", "Brazil", "br"},
    {"Chile", "Chile", "cl"},
    {"Colombia", "Colombia", "co"},
    {"Equador", "Equador", "ec"},
    {"Falkland Islands", "Falkland_Isl.", "fk"},
    {"Guyana", "Guyana", "gy"},
    {"Paraquay", "Paraquay", "py"},
    {"Peru", "Peru", "pe"},
    {"South Georgia", "South_Georgia", "gs"},
    {"Suriname", "Suriname", "sr"},
    {"Uruquay", "Uruquay", "uy"},
    {"Venezuela", "Venezuela", "ve"},
};
const Country kRegion5[] = {
    {"Unknown", "Unknown", ""},
    {"American Samoa", "American_Samoa", "as"},
    {"Australia", "Australia", "au"},
    {"Cook Islands", "Cook_Islands", "ck"},
    {"Fiji", "Fiji", "fj"},
    {"French Polynesia", "Fr._Polynesia", "pf"},
    {"Guam", "Guam", "gu"},
    {"Kiribati", "Kiribati", "ki"},
    {"Marshall Islands", "Marshall_Isl.", "mh"},
    {"Micronesia", "Micronesia", "fm"},
    {"Nauru", "Nauru", "nr"},
    {"New Zealand", "New_Zealand", "nz"},
    {"Niue", "Niue", "nu"},
    {"Norfolk Island", "Norfolk_Island", "nf"},
    {"Northern Mariana Islands", "N._Mariana_Isl.", "mp"},
    {"Palau", "Palau", "pw"},
    {"Papua New Guinea", "Papua_New_G.", "pg"},
    {"Pitcairn Islands", "Pitcairn_Isl.", "pn"},
    {"Samoa", "Samoa", "ws"},
    {"Solomon Islands", "Solomon_Islands", "sb"},
    {"Tonga", "Tonga", "to"},
    {"Tuvalu", "Tuvalu", "tv"},
    {"Vanuatu", "Vanuatu", "vu"},
    {"Wallis and Futuna", "Wallis-Futuna", "wf"},
};
const Country kRegion6[] = {
    {"Unknown", "Unknown", ""},
    {"Algeria", "Algeria", "dz"},
    {"Angola", "Angola", "ao"},
    {"Benin", "Benin", "bj"},
    {"Botswana", "Botswana", "bw"},
    {"Burkina Faso", "Burkina_Faso", "bf"},
    {"Burundi", "Burundi", "bi"},
    {"Cameroon", "Cameroon", "cm"},
    {"Cape Verde", "Cape_Verde", "cv"},
    {"Central African Republic", "CAR", "cf"},
    {"Chad", "Chad", "td"},
    {"Comoros", "Comoros", "km"},
    {"Congo Republic", "Congo Republic", "cg"},
    {"Congo Democratic Republic", "Congo_DR", "cd"},
    {"Djibouti", "Djibouti", "dj"},
    {"Egypt", "Egypt", "eg"},
    {"Equatorial Guinea", "Eq._Guinea", "gq"},
    {"Eritrea", "Eritrea", "er"},
    {"Ethiopia", "Ethiopia", "et"},
    {"Gabon", "Gabon", "ga"},
    {"Gambia", "Gambia", "gm"},
    {"Ghana", "Ghana", "gh"},
    {"Guinea", "Guinea", "gn"},
    {"Guinea-Bissau", "Guinea-Bissau", "gw"},
    {"Ivory Coast (Cote Divoire)", "Cote_Divoire", "ci"},
    {"Kenya", "Kenya", "ke"},
    {"Lesotho", "Lesotho", "ls"},
    {"Liberia", "Liberia", "lr"},
    {"Libya", "Libya", "ly"},
    {"Madagascar", "Madagascar", "mg"},
    {"Malawi", "Malawi", "mw"},
    {"Mali", "Mali", "ml"},
    {"Mauretania", "Mauretania", "mr"},
    {"Mauritius", "Mauritius", "mu"},
    {"Morocco", "Morocco", "ma"},
    {"Mozambique", "Mozambique", "mz"},
    {"Namibia", "Namibia", "na"},
    {"Niger", "Niger", "ne"},
    {"Nigeria", "Nigeria", "ng"},
    {"Rwanda", "Rwanda", "rw"},
    {"Saint Helena", "Saint_Helena", "sh"},
    {"Sao Tome and Principe", "Sao_Tome_Pr.", "st"},
    {"Senegal", "Senegal", "sn"},
    {"Seychelles", "Seychelles", "sc"},
    {"Sierra Leone", "Sierra_Leone", "sl"},
    {"Somalia", "Somalia", "so"},
    {"South Africa", "South_Africa", "za"},
    {"Sudan", "Sudan", "sd"},
    {"Swaziland", "Swaziland", "sz"},
    {"Tanzania", "Tanzania", "tz"},
    {"Togo", "Togo", "tg"},
    {"Tunisia", "Tunisia", "tn"},
    {"Uganda", "Uganda", "ug"},
    {"Zambia", "Zambia", "zm"},
    {"Zimbabwe", "Zimbabwe", "zw"},
};
}  // namespace

std::span<const Country> CountriesOf(int region) {
  switch (region) {
    case 1: return kRegion1;
    case 2: return kRegion2;
    case 3: return kRegion3;
    case 4: return kRegion4;
    case 5: return kRegion5;
    case 6: return kRegion6;
    default: return {};
  }
}

const char* RegionName(int region) {
  constexpr const char* kNames[] = {"Europe", "Asia", "North America", "South America", "Oceania", "Africa"};
  return region >= 1 && region <= 6 ? kNames[region - 1] : "";
}

std::optional<std::pair<int, int>> ParseCountryCode(std::string_view code) {
  if (code.size() != 5 || code[1] != '-') return std::nullopt;
  const int region = code[0] - '0';
  int index = 0;
  for (const char c : code.substr(2)) {
    if (c < '0' || c > '9') return std::nullopt;
    index = index * 10 + (c - '0');
  }
  if (region < 1 || region > 6 || index >= static_cast<int>(CountriesOf(region).size())) return std::nullopt;
  return std::pair{region, index};
}

const Country* CountryNamed(std::string_view name) {
  for (int region = 1; region <= 6; ++region) {
    for (const Country& c : CountriesOf(region)) {
      if (name == c.Short || name == c.Name) return &c;
    }
  }
  return nullptr;
}

std::string CountryCode(int region, int index) {
  char text[8];
  std::snprintf(text, sizeof text, "%d-%03d", region, index);
  return text;
}

}  // namespace tavlo
