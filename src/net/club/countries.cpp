#include "net/club/countries.h"

#include <cstdio>

#include "lang/languages.h"

namespace tavlo {
namespace {
// Index 0 of every region is "Unknown"; the short name is what the account and the tables keep.
// Serbia-Montenegro keeps the code it had when the lists were made (cs).
const Country kRegion1[] = {
    {"Unknown", "Unknown", "", "Неизвестно"},
    {"Russia", "Russia", "ru", "Россия"},
    {"Albania", "Albania", "al", "Албания"},
    {"Andorra", "Andorra", "ad", "Андорра"},
    {"Austria", "Austria", "at", "Австрия"},
    {"Belarus", "Belarus", "by", "Беларусь"},
    {"Belgium", "Belgium", "be", "Бельгия"},
    {"Bosnia & Herzegovina", "Bosnia_Herz.", "ba", "Босния и Герцеговина"},
    {"Bulgaria", "Bulgaria", "bg", "Болгария"},
    {"Croatia", "Croatia", "hr", "Хорватия"},
    {"Czech Republic", "Czech_Republic", "cz", "Чехия"},
    {"Denmark", "Denmark", "dk", "Дания"},
    {"Estonia", "Estonia", "ee", "Эстония"},
    {"Faroe Islands", "Faroe_Islands", "fo", "Фарерские острова"},
    {"Finland", "Finland", "fi", "Финляндия"},
    {"France", "France", "fr", "Франция"},
    {"Germany", "Germany", "de", "Германия"},
    {"Gibraltar", "Gibraltar", "gi", "Гибралтар"},
    {"Greece", "Greece", "gr", "Греция"},
    {"Guernsey", "Guernsey", "gg", "Гернси"},
    {"Hungary", "Hungary", "hu", "Венгрия"},
    {"Iceland", "Iceland", "is", "Исландия"},
    {"Ireland", "Ireland", "ie", "Ирландия"},
    {"Isle of Man", "Isle_of_Man", "im", "Остров Мэн"},
    {"Italy", "Italy", "it", "Италия"},
    {"Jersey", "Jersey", "je", "Джерси"},
    {"Latvia", "Latvia", "lv", "Латвия"},
    {"Liechtenstein", "Liechtenstein", "li", "Лихтенштейн"},
    {"Lithuania", "Lithuania", "lt", "Литва"},
    {"Luxembourg", "Luxembourg", "lu", "Люксембург"},
    {"Macedonia", "Macedonia", "mk", "Македония"},
    {"Malta", "Malta", "mt", "Мальта"},
    {"Moldova", "Moldova", "md", "Молдова"},
    {"Monaco", "Monaco", "mc", "Монако"},
    {"Netherlands", "Netherlands", "nl", "Нидерланды"},
    {"Norway", "Norway", "no", "Норвегия"},
    {"Poland", "Poland", "pl", "Польша"},
    {"Portugal", "Portugal", "pt", "Португалия"},
    {"Romania", "Romania", "ro", "Румыния"},
    {"San Marino", "San_Marino", "sm", "Сан-Марино"},
    {"Serbia-Montenegro", "Serbia-Mont.", "cs", "Сербия и Черногория"},
    {"Slovakia", "Slovakia", "sk", "Словакия"},
    {"Slovenia", "Slovenia", "si", "Словения"},
    {"Spain", "Spain", "es", "Испания"},
    {"Sweden", "Sweden", "se", "Швеция"},
    {"Switzerland", "Switzerland", "ch", "Швейцария"},
    {"Ukraine", "Ukraine", "ua", "Украина"},
    {"Vatican City", "Vatican_City", "va", "Ватикан"},
    {"United Kingdom", "United_Kingdom", "gb", "Великобритания"},
};
const Country kRegion2[] = {
    {"Unknown", "Unknown", "", "Неизвестно"},
    {"Afghanistan", "Afghanistan", "af", "Афганистан"},
    {"Armenia", "Armenia", "am", "Армения"},
    {"Azerbaijan", "Azerbaijan", "az", "Азербайджан"},
    {"Bahrain", "Bahrain", "bh", "Бахрейн"},
    {"Bangladesh", "Bangladesh", "bd", "Бангладеш"},
    {"Bhutan", "Bhutan", "bt", "Бутан"},
    {"British Indian Ocean Territory", "B.I.O.T.", "io", "Брит. терр. в Индийском океане"},
    {"Brunei", "Brunei", "bn", "Бруней"},
    {"Cambodia", "Cambodia", "kh", "Камбоджа"},
    {"China", "China", "cn", "Китай"},
    {"Cyprus", "Cyprus", "cy", "Кипр"},
    {"East Timor", "East_Timor", "tl", "Восточный Тимор"},
    {"Georgia", "Georgia", "ge", "Грузия"},
    {"Hong Kong", "Hong_Kong", "hk", "Гонконг"},
    {"India", "India", "in", "Индия"},
    {"Indonesia", "Indonesia", "id", "Индонезия"},
    {"Iran", "Iran", "ir", "Иран"},
    {"Iraq", "Iraq", "iq", "Ирак"},
    {"Israel", "Israel", "il", "Израиль"},
    {"Japan", "Japan", "jp", "Япония"},
    {"Jordan", "Jordan", "jo", "Иордания"},
    {"Kazakhstan", "Kazakhstan", "kz", "Казахстан"},
    {"Kuwait", "Kuwait", "kw", "Кувейт"},
    {"Kyrgyzstan", "Kyrgyzstan", "kg", "Киргизия"},
    {"Laos", "Laos", "la", "Лаос"},
    {"Lebanon", "Lebanon", "lb", "Ливан"},
    {"Macau", "Macau", "mo", "Макао"},
    {"Malaysia", "Malaysia", "my", "Малайзия"},
    {"Maledives", "Maledives", "mv", "Мальдивы"},
    {"Mongolia", "Mongolia", "mn", "Монголия"},
    {"Myanmar", "Myanmar", "mm", "Мьянма"},
    {"Nepal", "Nepal", "np", "Непал"},
    {"North Korea", "North_Korea", "kp", "Северная Корея"},
    {"Oman", "Oman", "om", "Оман"},
    {"Pakistan", "Pakistan", "pk", "Пакистан"},
    {"Philippines", "Philippines", "ph", "Филиппины"},
    {"Qatar", "Qatar", "qa", "Катар"},
    {"Saudi Arabia", "Saudi_Arabia", "sa", "Саудовская Аравия"},
    {"Singapore", "Singapore", "sg", "Сингапур"},
    {"South Korea", "South_Korea", "kr", "Южная Корея"},
    {"Sri-Lanka", "Sri-Lanka", "lk", "Шри-Ланка"},
    {"Syria", "Syria", "sy", "Сирия"},
    {"Taiwan", "Taiwan", "tw", "Тайвань"},
    {"Tajikistan", "Tajikistan", "tj", "Таджикистан"},
    {"Thailand", "Thailand", "th", "Таиланд"},
    {"Turkey", "Turkey", "tr", "Турция"},
    {"Turkmenistan", "Turkmenistan", "tm", "Туркмения"},
    {"United Arab Emirates", "UAE", "ae", "Объединённые Арабские Эмираты"},
    {"Uzbekistan", "Uzbekistan", "uz", "Узбекистан"},
    {"Vietnam", "Vietnam", "vn", "Вьетнам"},
    {"Yemen", "Yemen", "ye", "Йемен"},
};
const Country kRegion3[] = {
    {"Unknown", "Unknown", "", "Неизвестно"},
    {"Anguilla", "Anguilla", "ai", "Ангилья"},
    {"Antigua and Barbuda", "Antigua-Barbuda", "ag", "Антигуа и Барбуда"},
    {"Aruba", "Aruba", "aw", "Аруба"},
    {"Bahamas", "Bahamas", "bs", "Багамы"},
    {"Barbados", "Barbados", "bb", "Барбадос"},
    {"Belize", "Belize", "bz", "Белиз"},
    {"Bermuda", "Bermuda", "bm", "Бермуды"},
    {"British Virgin Islands", "BVI", "vg", "Британские Виргинские острова"},
    {"Canada", "Canada", "ca", "Канада"},
    {"Cayman Islands", "Cayman_Islands", "ky", "Каймановы острова"},
    {"Costa Rica", "Costa_Rica", "cr", "Коста-Рика"},
    {"Cuba", "Cuba", "cu", "Куба"},
    {"Dominica", "Dominica", "dm", "Доминика"},
    {"Dominican Republic", "Dominican_Rep.", "do", "Доминиканская Республика"},
    {"El Salvador", "El_Salvador", "sv", "Сальвадор"},
    {"Greenland", "Greenland", "gl", "Гренландия"},
    {"Grenada", "Grenada", "gd", "Гренада"},
    {"Guatemala", "Guatemala", "gt", "Гватемала"},
    {"Haiti", "Haiti", "ht", "Гаити"},
    {"Honduras", "Honduras", "hn", "Гондурас"},
    {"Jamaica", "Jamaica", "jm", "Ямайка"},
    {"Martinique", "Martinique", "mq", "Мартиника"},
    {"Mexico", "Mexico", "mx", "Мексика"},
    {"Montserrat", "Montserrat", "ms", "Монтсеррат"},
    {"Nicaragua", "Nicaragua", "ni", "Никарагуа"},
    {"Panama", "Panama", "pa", "Панама"},
    {"Puerto Rico", "Puerto_Rico", "pr", "Пуэрто-Рико"},
    {"Saint Kitts and Nevis", "Saint_Kitts_N.", "kn", "Сент-Китс и Невис"},
    {"Saint Lucia", "Saint_Lucia", "lc", "Сент-Люсия"},
    {"Saint Pierre and Miquelon", "Saint_Pierre_M.", "pm", "Сен-Пьер и Микелон"},
    {"Saint Vincent and the Grenadines", "S.V._Grenadines", "vc", "Сент-Винсент и Гренадины"},
    {"Trinidad and Tobago", "Trinidad_Tobago", "tt", "Тринидад и Тобаго"},
    {"Turks and Caicos Islands", "Turks_Caicos_I.", "tc", "Острова Теркс и Кайкос"},
    {"USA", "USA", "us", "США"},
    {"Virgin Islands", "Virgin_Islands", "vi", "Виргинские острова (США)"},
};
const Country kRegion4[] = {
    {"Unknown", "Unknown", "", "Неизвестно"},
    {"Argentina", "Argentina", "ar", "Аргентина"},
    {"Bolivia", "Bolivia", "bo", "Боливия"},
    {"Brazil", "Brazil", "br", "Бразилия"},
    {"Chile", "Chile", "cl", "Чили"},
    {"Colombia", "Colombia", "co", "Колумбия"},
    {"Equador", "Equador", "ec", "Эквадор"},
    {"Falkland Islands", "Falkland_Isl.", "fk", "Фолклендские острова"},
    {"Guyana", "Guyana", "gy", "Гайана"},
    {"Paraquay", "Paraquay", "py", "Парагвай"},
    {"Peru", "Peru", "pe", "Перу"},
    {"South Georgia", "South_Georgia", "gs", "Южная Георгия"},
    {"Suriname", "Suriname", "sr", "Суринам"},
    {"Uruquay", "Uruquay", "uy", "Уругвай"},
    {"Venezuela", "Venezuela", "ve", "Венесуэла"},
};
const Country kRegion5[] = {
    {"Unknown", "Unknown", "", "Неизвестно"},
    {"American Samoa", "American_Samoa", "as", "Американское Самоа"},
    {"Australia", "Australia", "au", "Австралия"},
    {"Cook Islands", "Cook_Islands", "ck", "Острова Кука"},
    {"Fiji", "Fiji", "fj", "Фиджи"},
    {"French Polynesia", "Fr._Polynesia", "pf", "Французская Полинезия"},
    {"Guam", "Guam", "gu", "Гуам"},
    {"Kiribati", "Kiribati", "ki", "Кирибати"},
    {"Marshall Islands", "Marshall_Isl.", "mh", "Маршалловы Острова"},
    {"Micronesia", "Micronesia", "fm", "Микронезия"},
    {"Nauru", "Nauru", "nr", "Науру"},
    {"New Zealand", "New_Zealand", "nz", "Новая Зеландия"},
    {"Niue", "Niue", "nu", "Ниуэ"},
    {"Norfolk Island", "Norfolk_Island", "nf", "Остров Норфолк"},
    {"Northern Mariana Islands", "N._Mariana_Isl.", "mp", "Северные Марианские острова"},
    {"Palau", "Palau", "pw", "Палау"},
    {"Papua New Guinea", "Papua_New_G.", "pg", "Папуа — Новая Гвинея"},
    {"Pitcairn Islands", "Pitcairn_Isl.", "pn", "Острова Питкэрн"},
    {"Samoa", "Samoa", "ws", "Самоа"},
    {"Solomon Islands", "Solomon_Islands", "sb", "Соломоновы Острова"},
    {"Tonga", "Tonga", "to", "Тонга"},
    {"Tuvalu", "Tuvalu", "tv", "Тувалу"},
    {"Vanuatu", "Vanuatu", "vu", "Вануату"},
    {"Wallis and Futuna", "Wallis-Futuna", "wf", "Уоллис и Футуна"},
};
const Country kRegion6[] = {
    {"Unknown", "Unknown", "", "Неизвестно"},
    {"Algeria", "Algeria", "dz", "Алжир"},
    {"Angola", "Angola", "ao", "Ангола"},
    {"Benin", "Benin", "bj", "Бенин"},
    {"Botswana", "Botswana", "bw", "Ботсвана"},
    {"Burkina Faso", "Burkina_Faso", "bf", "Буркина-Фасо"},
    {"Burundi", "Burundi", "bi", "Бурунди"},
    {"Cameroon", "Cameroon", "cm", "Камерун"},
    {"Cape Verde", "Cape_Verde", "cv", "Кабо-Верде"},
    {"Central African Republic", "CAR", "cf", "ЦАР"},
    {"Chad", "Chad", "td", "Чад"},
    {"Comoros", "Comoros", "km", "Коморы"},
    {"Congo Republic", "Congo Republic", "cg", "Республика Конго"},
    {"Congo Democratic Republic", "Congo_DR", "cd", "ДР Конго"},
    {"Djibouti", "Djibouti", "dj", "Джибути"},
    {"Egypt", "Egypt", "eg", "Египет"},
    {"Equatorial Guinea", "Eq._Guinea", "gq", "Экваториальная Гвинея"},
    {"Eritrea", "Eritrea", "er", "Эритрея"},
    {"Ethiopia", "Ethiopia", "et", "Эфиопия"},
    {"Gabon", "Gabon", "ga", "Габон"},
    {"Gambia", "Gambia", "gm", "Гамбия"},
    {"Ghana", "Ghana", "gh", "Гана"},
    {"Guinea", "Guinea", "gn", "Гвинея"},
    {"Guinea-Bissau", "Guinea-Bissau", "gw", "Гвинея-Бисау"},
    {"Ivory Coast (Cote Divoire)", "Cote_Divoire", "ci", "Кот-д’Ивуар"},
    {"Kenya", "Kenya", "ke", "Кения"},
    {"Lesotho", "Lesotho", "ls", "Лесото"},
    {"Liberia", "Liberia", "lr", "Либерия"},
    {"Libya", "Libya", "ly", "Ливия"},
    {"Madagascar", "Madagascar", "mg", "Мадагаскар"},
    {"Malawi", "Malawi", "mw", "Малави"},
    {"Mali", "Mali", "ml", "Мали"},
    {"Mauretania", "Mauretania", "mr", "Мавритания"},
    {"Mauritius", "Mauritius", "mu", "Маврикий"},
    {"Morocco", "Morocco", "ma", "Марокко"},
    {"Mozambique", "Mozambique", "mz", "Мозамбик"},
    {"Namibia", "Namibia", "na", "Намибия"},
    {"Niger", "Niger", "ne", "Нигер"},
    {"Nigeria", "Nigeria", "ng", "Нигерия"},
    {"Rwanda", "Rwanda", "rw", "Руанда"},
    {"Saint Helena", "Saint_Helena", "sh", "Остров Святой Елены"},
    {"Sao Tome and Principe", "Sao_Tome_Pr.", "st", "Сан-Томе и Принсипи"},
    {"Senegal", "Senegal", "sn", "Сенегал"},
    {"Seychelles", "Seychelles", "sc", "Сейшельские Острова"},
    {"Sierra Leone", "Sierra_Leone", "sl", "Сьерра-Леоне"},
    {"Somalia", "Somalia", "so", "Сомали"},
    {"South Africa", "South_Africa", "za", "Южно-Африканская Республика"},
    {"Sudan", "Sudan", "sd", "Судан"},
    {"Swaziland", "Swaziland", "sz", "Свазиленд"},
    {"Tanzania", "Tanzania", "tz", "Танзания"},
    {"Togo", "Togo", "tg", "Того"},
    {"Tunisia", "Tunisia", "tn", "Тунис"},
    {"Uganda", "Uganda", "ug", "Уганда"},
    {"Zambia", "Zambia", "zm", "Замбия"},
    {"Zimbabwe", "Zimbabwe", "zw", "Зимбабве"},
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

const char* ShownCountryName(const Country& country, int languageIndex) {
  return EffectiveLanguage(languageIndex) == kRussian ? country.Russian : country.Name;
}

std::string CountryCode(int region, int index) {
  char text[8];
  std::snprintf(text, sizeof text, "%d-%03d", region, index);
  return text;
}

}  // namespace tavlo
