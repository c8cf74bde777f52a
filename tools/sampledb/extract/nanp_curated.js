'use strict';
// Hand-made facts the NANP sources lack.

// Overlay area codes whose geocoding entry names only a state, province or one city:
// each maps to the area code it overlays, whose cities it reuses.
const OVERLAYS = {
  // United States
  220: 740, 223: 717, 227: 301, 235: 573, 272: 570, 274: 920, 279: 916, 283: 513, 324: 904,
  326: 937, 327: 870, 329: 845, 331: 630, 332: 212, 339: 781, 341: 510, 346: 713, 350: 209,
  351: 978, 353: 608, 363: 516, 364: 270, 369: 707, 380: 614, 385: 801, 424: 310, 430: 903,
  442: 760, 445: 215, 447: 217, 448: 850, 458: 541, 463: 317, 464: 708, 470: 404, 472: 910,
  475: 203, 531: 402, 534: 715, 539: 918, 551: 201, 557: 314, 564: 360, 567: 419, 572: 405,
  582: 814, 628: 415, 629: 615, 640: 609, 645: 305, 656: 813, 657: 714, 667: 410, 669: 408,
  680: 315, 681: 304, 686: 703, 689: 407, 725: 702, 726: 210, 728: 561, 730: 618, 737: 512,
  738: 213, 743: 336, 747: 818, 748: 303, 754: 954, 762: 706, 771: 202, 820: 805, 821: 864,
  826: 540, 835: 610, 838: 518, 839: 803, 840: 909, 848: 732, 854: 843, 872: 312, 878: 412,
  917: 212, 929: 718, 930: 812, 934: 631, 938: 256, 939: 787, 943: 404, 945: 214, 947: 248,
  948: 757, 959: 860, 975: 816, 983: 303, 984: 919, 986: 208,
  // Canada
  236: 604, 249: 705, 257: 604, 263: 514, 343: 613, 354: 450, 365: 905, 367: 418, 368: 403,
  382: 519, 428: 506, 431: 204, 437: 416, 468: 819, 474: 306, 548: 519, 579: 450, 581: 418,
  584: 204, 587: 780, 639: 306, 647: 416, 672: 604, 683: 705, 742: 905, 753: 613, 782: 902,
  825: 780, 873: 819, 879: 709, 942: 416,
};

// Codes with their own geocoding entries that share a local calling area with another
// code of their state (overlays, and the codes of one metro area): they take its mark.
const MARK_GROUPS = {
  205: [659], 213: [323], 214: [469, 972], 212: [646, 347, 718], 215: [267], 301: [240],
  303: [720], 305: [786], 312: [773], 330: [234], 404: [678, 770], 410: [443], 503: [971],
  508: [774], 514: [438], 519: [226], 601: [769], 604: [778], 610: [484], 617: [857],
  703: [571], 704: [980], 713: [281, 832], 815: [779], 817: [682], 847: [224], 905: [289],
  973: [862],
};

// Zones fixed by hand where the number blocks' zone data names a neighbouring zone.
const ZONE_FIXES = { '907|Anchorage': 'America/Anchorage', '867|Whitehorse': 'America/Whitehorse' };

// Main zone of the area codes whose zone data lists two zones, used where a place's own
// number blocks do not settle it.
const MAIN_ZONE = {
  208: 'America/Boise', 605: 'America/Chicago', 701: 'America/Chicago',
  709: 'America/St_Johns', 775: 'America/Los_Angeles', 879: 'America/St_Johns',
  907: 'America/Anchorage', 986: 'America/Boise',
};

// Area codes in service that the geocoding data does not hold (territories).
// [area code, city, state, ZIP, latitude, longitude, zone]
const EXTRA_CITIES = [
  [670, 'Saipan', 'MP', '96950', 15.1833, 145.7500, 'Pacific/Saipan'],
  [670, 'Tinian', 'MP', '96952', 14.9500, 145.6333, 'Pacific/Saipan'],
  [670, 'Rota', 'MP', '96951', 14.1500, 145.2000, 'Pacific/Saipan'],
  [684, 'Pago Pago', 'AS', '96799', -14.2781, -170.7025, 'Pacific/Pago_Pago'],
  [684, 'Tafuna', 'AS', '96799', -14.3358, -170.7200, 'Pacific/Pago_Pago'],
  [340, 'Charlotte Amalie', 'VI', '00802', 18.3419, -64.9307, 'America/St_Thomas'],
];
// Places looked up by name in the ZIP data: Puerto Rico (absent from the geocoding data),
// Washington DC (named only as the district), the US Virgin Islands and Guam (whose geocoding entries are abbreviated or lack the state).
// [area code, city, state, zone]
const EXTRA_NAMED = [
  [202, 'Washington', 'DC', 'America/New_York'],
  [340, 'Christiansted', 'VI', 'America/St_Thomas'],
  [340, 'Frederiksted', 'VI', 'America/St_Thomas'],
  [671, 'Hagatna', 'GU', 'Pacific/Guam'], [671, 'Tamuning', 'GU', 'Pacific/Guam'],
  [671, 'Dededo', 'GU', 'Pacific/Guam'],
  [787, 'San Juan', 'PR', 'America/Puerto_Rico'], [787, 'Bayamon', 'PR', 'America/Puerto_Rico'],
  [787, 'Carolina', 'PR', 'America/Puerto_Rico'], [787, 'Ponce', 'PR', 'America/Puerto_Rico'],
  [787, 'Caguas', 'PR', 'America/Puerto_Rico'], [787, 'Mayaguez', 'PR', 'America/Puerto_Rico'],
];
// Area codes whose geocoding entries are replaced by the rows above.
const REPLACED = [202, 340, 671];

// The reference list of US and Canadian cities of 100,000 people or more
// (reference/us_ca_cities_100k.tsv, written by nanp_reference.js from GeoNames populations).
// Entries of the population source that are not cities in their own right, with the reason.
const NOT_CITIES = {
  'Brooklyn|NY': 'borough of New York City', 'Queens|NY': 'borough of New York City',
  'Manhattan|NY': 'borough of New York City', 'The Bronx|NY': 'borough of New York City',
  'Staten Island|NY': 'borough of New York City',
  'Jamaica|NY': 'neighbourhood of New York City', 'East Flatbush|NY': 'neighbourhood of New York City',
  'East New York|NY': 'neighbourhood of New York City', 'Washington Heights|NY': 'neighbourhood of New York City',
  'Astoria|NY': 'neighbourhood of New York City', 'Borough Park|NY': 'neighbourhood of New York City',
  'Sunset Park|NY': 'neighbourhood of New York City', 'Sheepshead Bay|NY': 'neighbourhood of New York City',
  'Harlem|NY': 'neighbourhood of New York City', 'East Harlem|NY': 'neighbourhood of New York City',
  'Elmhurst|NY': 'neighbourhood of New York City', 'Bushwick|NY': 'neighbourhood of New York City',
  'Gravesend|NY': 'neighbourhood of New York City', 'Corona|NY': 'neighbourhood of New York City',
  'New South Memphis|TN': 'neighbourhood of Memphis', 'East Chattanooga|TN': 'neighbourhood of Chattanooga',
  'South Boston|MA': 'neighbourhood of Boston', 'West Raleigh|NC': 'part of Raleigh',
  'Maryvale|AZ': 'urban village of Phoenix', 'Deer Valley|AZ': 'urban village of Phoenix',
  'Alhambra|AZ': 'urban village of Phoenix', 'Tempe Junction|AZ': 'locality in Tempe',
  'Hollywood|CA': 'district of Los Angeles', 'Van Nuys|CA': 'district of Los Angeles',
  'Koreatown|CA': 'district of Los Angeles', 'Chinatown|CA': 'district of Los Angeles',
  'Universal City|CA': 'unincorporated area by Los Angeles', 'Valencia|CA': 'part of Santa Clarita',
  'East Hampton|VA': 'part of Hampton', 'North Stamford|CT': 'part of Stamford',
  'North Peoria|IL': 'part of Peoria', 'East Independence|MO': 'part of Independence',
  'Lexington-Fayette|KY': 'the city of Lexington, listed under that name',
  'Ironville|KY': 'unincorporated community; the source gives it a metropolitan figure',
  'Meads|KY': 'unincorporated community; the source gives it a metropolitan figure',
  'Paradise|NV': 'unincorporated town of Clark County', 'Sunrise Manor|NV': 'unincorporated town of Clark County',
  'Spring Valley|NV': 'unincorporated town of Clark County', 'Enterprise|NV': 'unincorporated town of Clark County',
  'Metairie|LA': 'unincorporated place', 'Metairie Terrace|LA': 'unincorporated place',
  'East Los Angeles|CA': 'unincorporated place', 'Brandon|FL': 'unincorporated place',
  'North York|ON': 'former city, part of Toronto since 1998', 'Scarborough|ON': 'former city, part of Toronto since 1998',
  'Etobicoke|ON': 'former city, part of Toronto since 1998', 'East York|ON': 'former borough, part of Toronto since 1998',
  'Nepean|ON': 'former city, part of Ottawa since 2001', 'Okanagan|BC': 'a region, not a city',
  'Ladner|BC': 'community of Delta, listed', 'Dartmouth|NS': 'community of the Halifax Regional Municipality',
  'Sydney|NS': 'community of the Cape Breton Regional Municipality (under 100,000)',
};
// Names of the population source replaced by the name the number blocks and users use.
const CITY_RENAMED = { 'New York City|NY': 'New York', 'Washington, D.C.|DC': 'Washington',
  'Quebec|QC': 'Quebec City' };
// Cities of 100,000 or more whose figure in the source is older and lower: census counts
// (United States 2020, Canada 2021) typed in from memory of the published counts, not checked
// against a copy of them here. [city, state, population]
const CITIES_ADDED = [
  ['Meridian', 'ID', 117635], ['Nampa', 'ID', 100200], ['Spokane Valley', 'WA', 102976],
  ['League City', 'TX', 114392], ['Sugar Land', 'TX', 111026], ['Allen', 'TX', 104627],
  ['Edinburg', 'TX', 100243], ['Jurupa Valley', 'CA', 105053], ['Menifee', 'CA', 102527],
  ['Ventura', 'CA', 110763], ['Vacaville', 'CA', 102386], ['Chico', 'CA', 101475],
  ['Lakewood', 'NJ', 135158], ['Woodbridge', 'NJ', 103639], ['Dearborn', 'MI', 109976],
  ['Concord', 'NC', 105240], ['Rio Rancho', 'NM', 104046], ["Lee's Summit", 'MO', 101108],
  ['Quincy', 'MA', 101636], ['Lynn', 'MA', 101253], ['New Bedford', 'MA', 101079],
  ['Brockton', 'MA', 105643],
  ['Whitby', 'ON', 138501], ['Langley', 'BC', 132603], ['Ajax', 'ON', 126666],
  ['Waterloo', 'ON', 121436], ['Terrebonne', 'QC', 119944], ['Saanich', 'BC', 117735],
  ["St. John's", 'NL', 110525], ['Thunder Bay', 'ON', 108843], ['Brantford', 'ON', 104688],
  ['Chatham-Kent', 'ON', 104316], ['Clarington', 'ON', 101427], ['Red Deer', 'AB', 100844],
];

// GeoNames names of places the number blocks or the reference list name otherwise (Clarington,
// and Chatham-Kent, absent from GeoNames, take their seats Bowmanville and Chatham).
const GEONAMES_NAMES = { 'Quebec City|QC': 'Quebec', 'Clarington|ON': 'Bowmanville', 'Chatham-Kent|ON': 'Chatham' };
// Places named by number blocks that no source locates, left out on purpose: name|state -> why.
const PLACES_LEFT_OUT = {};
// Geographic area codes in service left without places: code -> [country, states, why].
// 273 is a Canadian code of the number metadata, but neither the geocoding data nor any
// other source at hand says which region it serves; a guessed place would be wrong.
const CODES_LEFT_OUT = { 273: ['CA', '', 'Canadian code; no source at hand names its region'] };
// Reference cities that no number block names by their own name (the blocks name the
// neighbouring city or the rate centre): [city, state, area codes, zone].
const CITY_CODES = [
  ['Miramar', 'FL', [954], 'America/New_York'], ['Miami Gardens', 'FL', [305], 'America/New_York'],
  ['Palm Bay', 'FL', [321], 'America/New_York'], ['Sandy Springs', 'GA', [404, 770], 'America/New_York'],
  ['Lakewood', 'NJ', [732], 'America/New_York'], ['Woodbridge', 'NJ', [732], 'America/New_York'],
  ['Amherst', 'NY', [716], 'America/New_York'], ['West Valley City', 'UT', [801], 'America/Denver'],
  ['Thornton', 'CO', [303], 'America/Denver'], ['Westminster', 'CO', [303], 'America/Denver'],
  ['Centennial', 'CO', [303], 'America/Denver'], ['Surprise', 'AZ', [623], 'America/Phoenix'],
  ['Jurupa Valley', 'CA', [951], 'America/Los_Angeles'], ['Menifee', 'CA', [951], 'America/Los_Angeles'],
  ['Vaughan', 'ON', [905], 'America/Toronto'], ['Clarington', 'ON', [905], 'America/Toronto'],
  ['Chatham-Kent', 'ON', [519], 'America/Toronto'], ['Saguenay', 'QC', [418], 'America/Toronto'],
  ['Saanich', 'BC', [250], 'America/Vancouver'], ['Delta', 'BC', [604], 'America/Vancouver'],
];

// State names of the sources that differ from the state table's (misspelt or longer).
const STATE_ALIASES = { 'British Colombia': 'BC', 'Washington State': 'WA', 'Washington D.C.': 'DC',
  'Northwest Territory': 'NT', 'Nunavut Territory': 'NU' };

module.exports = { GEONAMES_NAMES, PLACES_LEFT_OUT, CODES_LEFT_OUT, CITY_CODES, NOT_CITIES, CITY_RENAMED, CITIES_ADDED, MARK_GROUPS, ZONE_FIXES, OVERLAYS, MAIN_ZONE, EXTRA_CITIES, EXTRA_NAMED, REPLACED, STATE_ALIASES };
