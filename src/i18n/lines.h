// Catalogue of the language lines the program shows: each constant is a 1-based line
// number of the language files (sozlash/til/N.til), with where its text appears.
#pragma once

namespace jadvalon::lines {

// Main window, file commands and questions.
inline constexpr int kMainWindowTitle = 1;  // main window caption, after the project name and " - "
// Save as: follows the quoted name of an existing file.
inline constexpr int kOverwriteQuestion = 2;
// Open: follows the quoted file name on the second line of the message.
inline constexpr int kFileNotFoundTail = 3;
// Open: first line of the message for a file that does not exist.
inline constexpr int kFileNotFoundHead = 4;
inline constexpr int kConfirmDialogTitle = 6;  // title of the yes/no confirmation dialog
// Unsaved-changes question, after the quoted project name and a blank.
inline constexpr int kUnsavedChangesQuestion = 7;
// Display name of a project never saved, followed by the extension.
inline constexpr int kUntitledProjectName = 8;
// 30-minute save reminder, after the quoted project name and a blank.
inline constexpr int kSaveReminderQuestion = 9;
// Project-file extension appended to chosen and untitled names.
inline constexpr int kProjectFileExtension = 19;

// Main menu.
inline constexpr int kMenuFile = 11;            // main menu: the File menu
inline constexpr int kMenuNewProject = 12;      // File menu: new project (Ctrl+N)
inline constexpr int kMenuOpen = 13;            // File menu: open a project (Ctrl+O)
inline constexpr int kMenuSave = 14;            // File menu: save (Ctrl+S)
inline constexpr int kMenuSaveAs = 15;          // File menu: save as
inline constexpr int kMenuClearTimetable = 16;  // File menu: clear the timetable (Ctrl+T)
inline constexpr int kMenuExamples = 17;        // File menu: examples (Ctrl+M)
inline constexpr int kMenuExit = 18;            // File menu: exit (Alt+F4)
inline constexpr int kMenuSettings = 20;        // main menu: the Settings menu
inline constexpr int kMenuLanguage = 21;        // Settings menu: the language submenu
// Settings menu item and title of the translation editor.
inline constexpr int kMenuTranslationEditor = 22;
inline constexpr int kMenuAppearance = 23;  // Settings menu: visual style and icon set dialog
// Names of languages 1-4: language menu items, translation editor's language list and its
// column-1 header; each language is named in its own script.
inline constexpr int kLanguageNameFirst = 24;
inline constexpr int kLanguageCount = 4;         // number of lines in the block above
inline constexpr int kMenuHelp = 28;             // main menu: the Help menu
inline constexpr int kMenuUserManual = 29;       // Help menu: opens the user manual
inline constexpr int kMenuCheckForUpdates = 30;  // Help menu: update check

// School tab, start page and main tabs.
// School tab label and report signature block: deputy director.
inline constexpr int kDeputyDirectorLabel = 37;
// School tab label and report signature block: psychologist.
inline constexpr int kPsychologistLabel = 38;
inline constexpr int kTabSchool = 41;               // main tab 1 caption: school settings
inline constexpr int kTabLists = 42;                // main tab 2 caption: lists
inline constexpr int kTabTimetable = 43;            // main tab 3 caption: timetable board
inline constexpr int kTabSubstitutions = 44;        // main tab 4 caption: substitution journal
inline constexpr int kStartNewProject = 45;         // start page button: new project
inline constexpr int kStartOpenProject = 46;        // start page button: open a project
inline constexpr int kStartExamples = 47;           // start page button: examples
inline constexpr int kStartLastProject = 48;        // start page label before the last-project link
inline constexpr int kSchoolPageDetails = 49;       // school tab page button 1: school details
inline constexpr int kSchoolPageWorkingDays = 50;   // school tab page button 2: working days
inline constexpr int kSchoolPageShifts = 51;        // school tab page button 3: shifts
inline constexpr int kSchoolPagePeriodTimes = 52;   // school tab page button 4: period times
inline constexpr int kSchoolInstitutionLabel = 53;  // school tab label: institution name
inline constexpr int kSchoolDirectorLabel = 54;     // school tab label: director
inline constexpr int kSchoolTownLabel = 55;         // school tab label: town or district
inline constexpr int kSchoolAcademicYearLabel = 56;  // school tab label: academic year
inline constexpr int kSchoolWorkingDaysLabel = 57;   // school tab label: working days per week
inline constexpr int kShiftFirstPeriodLabel = 58;    // shift page label: first period of the shift
// Shift page label: lessons per day of the shift.
inline constexpr int kShiftLessonsPerDayLabel = 59;
inline constexpr int kPeriodTimesLabel = 60;  // period times page label above the fourteen edits
inline constexpr int kFiveDayWeekNote = 62;   // working days page note, shown for a five-day week

// Days and shifts.
// Full names of days 1-7 (Monday first): project header, teacher dialog's day boxes,
// substitution day list, report headings; at most 20 characters.
inline constexpr int kFullDayNameFirst = 65;
inline constexpr int kDayNameCount = 7;  // number of lines in the block above
// Short names of days 1-7: grid headers and row labels; at most 10 characters.
inline constexpr int kShortDayNameFirst = 72;
// Names of shifts 1-3: shift pages, shift chooser and bulk shift setting.
inline constexpr int kShiftNameFirst = 82;
inline constexpr int kShiftCount = 3;  // number of lines in the block above

// Daily maximum, availability and bulk settings.
// Daily-maximum dialog title, followed by the teacher's name.
inline constexpr int kDailyMaximumDialogTitle = 87;
inline constexpr int kDailyMaximumLabel = 88;  // daily-maximum dialog: label of the up-down
// Daily-maximum dialog: confirm applying it to ticked teachers.
inline constexpr int kDailyMaximumBulkQuestion = 89;
// Availability dialog title (then " - " and the record) and label.
inline constexpr int kAvailabilityTitle = 91;
// Availability copy button; also the bulk button of the shift/branch dialog.
inline constexpr int kApplyToClasses = 92;
// Availability copy button; also the difficulty dialog's copy button.
inline constexpr int kApplyToSubjects = 93;
inline constexpr int kApplyToRooms = 94;  // availability copy button: to rooms
// Availability copy button; also the daily-maximum dialog's bulk button.
inline constexpr int kApplyToTeachers = 95;
// Availability dialog: confirm copying to classes.
inline constexpr int kCopyAvailabilityToClassesQuestion = 96;
// Availability dialog: confirm copying to subjects.
inline constexpr int kCopyAvailabilityToSubjectsQuestion = 97;
// Availability dialog: confirm copying to rooms.
inline constexpr int kCopyAvailabilityToRoomsQuestion = 98;
// Availability dialog: confirm copying to teachers.
inline constexpr int kCopyAvailabilityToTeachersQuestion = 99;

// Timetable board view buttons and journal hints.
inline constexpr int kViewClasses = 101;    // timetable board: view-switch button for classes
inline constexpr int kViewRooms = 103;      // timetable board: view-switch button for rooms
inline constexpr int kViewTeachers = 104;   // timetable board: view-switch button for teachers
inline constexpr int kHintNewRecord = 106;  // substitution journal: hint of the new-record button
// Substitution journal: hint of the delete-record button.
inline constexpr int kHintDeleteRecord = 109;

// List questions, totals and loads.
// Confirm giving every teacher a new random colour.
inline constexpr int kRecolourTeachersQuestion = 114;
// Paste names question, before the number of clipboard lines.
inline constexpr int kPasteQuestionHead = 115;
// Paste names question, after the number of clipboard lines.
inline constexpr int kPasteQuestionTail = 116;
// Totals: before a blank and a number (list rows, ticks, loads, slots).
inline constexpr int kTotalLabel = 117;
inline constexpr int kTotalItemsUnit = 118;  // totals: after the number of rows or ticked entries
inline constexpr int kTotalHoursUnit = 119;  // totals: after a load in hours or a count of periods

// Class dialog and class list.
inline constexpr int kClassDialogTitle = 121;     // class dialog title
inline constexpr int kClassNameLabel = 122;       // class dialog label: full name
inline constexpr int kClassShortNameLabel = 123;  // class dialog label: short name
inline constexpr int kClassGradeLabel = 124;      // class dialog label: grade
inline constexpr int kClassShiftLabel = 125;      // class dialog label: shift
inline constexpr int kClassBranchLabel = 126;     // class dialog label: branch
// Names of branches 0-3: class dialog list, branch chooser, print dialog's branch filter.
inline constexpr int kBranchNameFirst = 127;
inline constexpr int kBranchNameCount = 4;         // number of lines in the block above
inline constexpr int kClassListHeaderFirst = 131;  // class list column headers 0-6
inline constexpr int kClassListHeaderCount = 7;    // number of lines in the block above
inline constexpr int kClassListHeaderName = 131;   // also the name column of class selection lists
// Also the short-name column of class selection lists.
inline constexpr int kClassListHeaderShortName = 132;
inline constexpr int kMainBranchText = 138;  // class list branch column for branch 0
// Class list branch column: follows the branch number.
inline constexpr int kBranchNumberSuffix = 139;

// Subject dialog, difficulty and subject list.
inline constexpr int kSubjectDialogTitle = 141;     // subject dialog title
inline constexpr int kSubjectNameLabel = 142;       // subject dialog label: full name
inline constexpr int kSubjectShortNameLabel = 143;  // subject dialog label: short name
// Subject and difficulty dialogs: difficulty weight.
inline constexpr int kSubjectDifficultyLabel = 144;
// Difficulty dialog title, then " - " and the subject.
inline constexpr int kDifficultyDialogTitle = 145;
// Subject and difficulty dialogs: group box of the band weights.
inline constexpr int kDifficultyBandsGroup = 146;
// Labels of the seven grade-band weights (grades 1-4, 5, 6, 7, 8, 9, 10-11).
inline constexpr int kDifficultyBandLabelFirst = 147;
inline constexpr int kDifficultyBandCount = 7;  // number of lines in the block above
// Difficulty dialog: confirm copying to ticked subjects.
inline constexpr int kCopyDifficultyQuestion = 154;
// Shift chooser title, after the class's name and short name.
inline constexpr int kShiftChooserTitleTail = 155;
// Bulk shift dialog: title of the shift choice; also the <title> of report pages.
inline constexpr int kShiftGroupTitle = 156;
inline constexpr int kBranchChooserTitle = 157;  // branch chooser title
inline constexpr int kBranchGroupTitle = 158;    // bulk branch dialog: title of the branch choice
// Bulk shift dialog: confirm before changing the ticked classes.
inline constexpr int kBulkShiftQuestion = 159;
// Bulk branch dialog: confirm before changing the ticked classes.
inline constexpr int kBulkBranchQuestion = 160;
inline constexpr int kSubjectListHeaderFirst = 161;  // subject list column headers 0-4
inline constexpr int kSubjectListHeaderCount = 5;    // number of lines in the block above
// Also the name column of subject selection lists.
inline constexpr int kSubjectListHeaderName = 161;
// Also the short-name column of subject selection lists.
inline constexpr int kSubjectListHeaderShortName = 162;

// Catalogue of subjects for the automatic fill.
// Full names of the 35 catalogue subjects of the automatic subject fill.
inline constexpr int kCatalogueSubjectNameFirst = 171;
inline constexpr int kCatalogueSubjectCount = 35;  // number of lines in the block above
// Short names of the 35 catalogue subjects; at most 10 characters.
inline constexpr int kCatalogueSubjectShortNameFirst = 211;

// Automatic classes and class letters.
inline constexpr int kAutoClassesTitle = 251;  // automatic classes dialog title
// Automatic classes dialog: labels of the counters for grades 1-11.
inline constexpr int kAutoClassesGradeLabelFirst = 252;
inline constexpr int kAutoClassesGradeCount = 11;  // number of lines in the block above
// Letter dialog: the six alphabets; the k-th character names the k-th parallel class.
inline constexpr int kClassLetterAlphabetFirst = 271;
inline constexpr int kClassLetterAlphabetCount = 6;  // number of lines in the block above

// Room dialog, room list and automatic rooms.
inline constexpr int kRoomDialogTitle = 281;      // room dialog title
inline constexpr int kRoomNameLabel = 282;        // room dialog label: full name
inline constexpr int kRoomShortNameLabel = 283;   // room dialog label: short name
inline constexpr int kRoomListHeaderFirst = 291;  // room list column headers 0-3
inline constexpr int kRoomListHeaderCount = 4;    // number of lines in the block above
inline constexpr int kRoomListHeaderName = 291;   // also the name column of room selection lists
// Also the short-name column of room selection lists.
inline constexpr int kRoomListHeaderShortName = 292;
inline constexpr int kAutoRoomsTitle = 301;      // automatic rooms dialog title
inline constexpr int kAutoRoomsPrompt = 302;     // automatic rooms dialog prompt
inline constexpr int kAutoRoomNameSuffix = 303;  // name of an automatic room, after "k-"

// Teacher dialog, teacher list and automatic teachers.
inline constexpr int kTeacherDialogTitle = 311;      // teacher dialog title
inline constexpr int kTeacherNameLabel = 312;        // teacher dialog label: full name
inline constexpr int kTeacherShortNameLabel = 313;   // teacher dialog label: short name
inline constexpr int kTeacherColourLabel = 314;      // teacher dialog label: colour
inline constexpr int kTeacherMethodDaysLabel = 315;  // teacher dialog: group box of the method days
inline constexpr int kTeacherPhoneLabel = 317;       // teacher dialog label: phone
inline constexpr int kTeacherDailyMaximumLabel = 318;  // teacher dialog label: daily maximum
inline constexpr int kTeacherNoGapsBox = 319;          // teacher dialog check box: gaps flag
inline constexpr int kTeacherParallelBox = 320;        // teacher dialog check box: parallel flag
inline constexpr int kTeacherListHeaderFirst = 321;    // teacher list column headers 0-8
inline constexpr int kTeacherListHeaderCount = 9;      // number of lines in the block above
// Also the name column of teacher selection lists.
inline constexpr int kTeacherListHeaderName = 321;
// Also the short-name column of teacher selection lists.
inline constexpr int kTeacherListHeaderShortName = 322;
inline constexpr int kAutoTeachersTitle = 331;      // automatic teachers dialog title
inline constexpr int kAutoTeachersPrompt = 332;     // automatic teachers dialog prompt
inline constexpr int kAutoTeacherNameSuffix = 333;  // name of an automatic teacher, after "k-"
// Short name of an automatic teacher, after "k-".
inline constexpr int kAutoTeacherShortNameSuffix = 334;

// Table limits.
inline constexpr int kClassesTableFull = 342;   // message: class table full (add refused)
inline constexpr int kSubjectsTableFull = 343;  // message: subject table full (add refused)
inline constexpr int kRoomsTableFull = 344;     // message: room table full (add refused)
// Message: teacher table or lesson table full (add refused).
inline constexpr int kTeachersTableFull = 345;
inline constexpr int kLessonsTableFull = 345;  // the lesson table shares the teachers' message
inline constexpr int kClearTimetableQuestion = 347;  // board: confirm clearing unlocked placements

// Board view kinds and the duplicate-lesson question.
inline constexpr int kViewKindClasses = 361;   // board view kind list: classes
inline constexpr int kViewKindTeachers = 362;  // board view kind list: teachers
inline constexpr int kViewKindRooms = 363;     // board view kind list: rooms
// Duplicate lesson question: after the quoted class name.
inline constexpr int kDuplicateLessonPart1 = 364;
// Duplicate lesson question: after the existing hours.
inline constexpr int kDuplicateLessonPart2 = 365;
// Duplicate lesson question: after the quoted subject name.
inline constexpr int kDuplicateLessonPart3 = 366;
inline constexpr int kDuplicateLessonPart4 = 367;  // duplicate lesson question: after the new hours
// Week 1 of the cycle: conflict rows and substitution week list.
inline constexpr int kWeekOne = 371;
// Week 2 of the cycle: conflict rows and substitution week list.
inline constexpr int kWeekTwo = 372;

// Distribution viewer.
// Lists tab link and distribution window caption: curriculum plan.
inline constexpr int kCurriculumPlan = 373;
// Lists tab link and distribution window caption: teacher loads.
inline constexpr int kTeacherLoadSheet = 374;
inline constexpr int kLoadSheetTotalsRow = 375;    // load sheet: teacher column of the totals row
inline constexpr int kPlanSubjectsHeader = 376;    // curriculum plan: header of the subject column
inline constexpr int kPlanTotalsRow = 377;         // curriculum plan: label of the totals row
inline constexpr int kLoadSheetTotalColumn = 378;  // load sheet: header of the total column
inline constexpr int kLoadSheetSubjectHeader = 379;  // load sheet: header of the subject column
inline constexpr int kLoadSheetAllSubjects = 380;    // load sheet: subject column of the totals row
inline constexpr int kPlanFilterLabel = 396;         // curriculum plan: label of the subject filter
inline constexpr int kLoadSheetFilterLabel = 397;    // load sheet: label of the teacher filter
inline constexpr int kFilterAll = 398;  // distribution filters: first entry, all entities

// Generator options.
inline constexpr int kGeneratorDialogTitle = 411;  // generator options dialog title
inline constexpr int kGeneratorStart = 412;        // generator options: start button
// Generator options: check box, ticked = rooms are ignored.
inline constexpr int kGeneratorIgnoreRooms = 413;
// Generator options: check box for compact teacher days.
inline constexpr int kGeneratorTeacherGaps = 415;
inline constexpr int kGeneratorLevelGroup = 418;  // generator options: frame of the iteration level
inline constexpr int kGeneratorLevelNormal = 419;   // generator options: level 1 label
inline constexpr int kGeneratorLevelHigh = 420;     // generator options: level 2 label
inline constexpr int kGeneratorLevelComplex = 421;  // generator options: level 3 label

// Method days and the selection list.
// Method-day dialog title, then " - " and the teacher.
inline constexpr int kMethodDaysDialogTitle = 431;
inline constexpr int kMethodDaysLabel = 432;  // method-day dialog label above the day boxes
inline constexpr int kCopyMethodDays = 433;   // method-day dialog: copy to other teachers button
// Method-day dialog: confirm copying to ticked teachers.
inline constexpr int kCopyMethodDaysQuestion = 434;
inline constexpr int kSelectionDialogTitle = 441;    // selection list dialog title
inline constexpr int kSelectionClassesTitle = 442;   // selection list title for classes
inline constexpr int kSelectionSubjectsTitle = 443;  // selection list title for subjects
inline constexpr int kSelectionRoomsTitle = 444;     // selection list title for rooms
inline constexpr int kSelectionTeachersTitle = 445;  // selection list title for teachers
inline constexpr int kSelectionPrompt = 446;         // selection list dialog prompt

// Board popup menu, letter dialog, lesson rooms.
// Board popup on a header: lock the column's placements.
inline constexpr int kPopupLockColumn = 461;
// Board popup on a header: unlock the column's placements.
inline constexpr int kPopupUnlockColumn = 462;
inline constexpr int kPopupClearColumn = 463;      // board popup on a header: clear the column
inline constexpr int kPopupLockPlacement = 464;    // board popup on a cell: lock the placement
inline constexpr int kPopupUnlockPlacement = 465;  // board popup on a cell: unlock the placement
inline constexpr int kPopupRemovePlacement = 466;  // board popup on a cell: remove the placement
inline constexpr int kLetterDialogTitle = 471;     // letter dialog title
inline constexpr int kLetterDialogGroup = 472;     // letter dialog: caption of the alphabet choice
// Lesson dialogs: a room is chosen for both groups.
inline constexpr int kSameRoomInBothGroups = 481;

// Print dialog.
// Print dialog captions for class reports (positions: the kPrintCaption... offsets).
inline constexpr int kPrintClassCaptionFirst = 491;
inline constexpr int kPrintCaptionCount = 13;    // number of lines in the block above
inline constexpr int kPrintNoClassChosen = 504;  // print dialog: OK with no class chosen
// Print dialog captions for teacher reports (same positions as for classes).
inline constexpr int kPrintTeacherCaptionFirst = 505;
inline constexpr int kPrintNoTeacherChosen = 518;  // print dialog: OK with no teacher chosen
// Print dialog captions for room reports (same positions as for classes).
inline constexpr int kPrintRoomCaptionFirst = 519;
inline constexpr int kPrintNoRoomChosen = 532;  // print dialog: OK with no room chosen
// Positions inside each of the three print caption blocks above.
inline constexpr int kPrintCaptionTitle = 0;      // dialog title
inline constexpr int kPrintCaptionWhatGroup = 1;  // group of the what-to-print choice
inline constexpr int kPrintCaptionAll = 2;        // choice: all entities
inline constexpr int kPrintCaptionCurrent = 3;    // choice: the entity shown on the board
inline constexpr int kPrintCaptionChosen = 4;     // choice: entities ticked in the selection list
inline constexpr int kPrintCaptionOneTable = 5;   // layout: one combined table
inline constexpr int kPrintCaptionSeparateTables = 6;  // layout: one table per entity
// Always-ticked box of the first piece of information.
inline constexpr int kPrintCaptionFirstText = 7;
inline constexpr int kPrintCaptionSecondText = 8;       // box of the second piece of information
inline constexpr int kPrintCaptionThirdText = 9;        // box of the third piece of information
inline constexpr int kPrintCaptionSeparateColumn = 10;  // box: second piece in a column of its own
inline constexpr int kPrintCaptionTimes = 11;           // box: column of the period clock times
// Short-name boxes of the first, second and third pieces.
inline constexpr int kPrintCaptionShortNames = 12;
inline constexpr int kPrintApproval = 533;      // print dialog: approval and signature box
inline constexpr int kPrintPreviewGroup = 534;  // print dialog: caption of the preview
inline constexpr int kPrintExportGroup = 535;   // print dialog: group of the export target
inline constexpr int kPrintExportWord = 536;    // print dialog: export target Word
inline constexpr int kPrintExportExcel = 537;   // print dialog: export target Excel

// Report headings.
inline constexpr int kReportApprovedHeading = 541;  // report approval block: first line
// Report approval block: follows the institution name.
inline constexpr int kReportDirectorOf = 542;
// Report approval block: before the director's name.
inline constexpr int kReportDirectorSignature = 543;
inline constexpr int kReportClassesCombinedCaption = 544;  // caption of the combined class table
inline constexpr int kReportClassDayHeader = 545;          // class report column: day
// Class report column: period (also separate teacher tables).
inline constexpr int kReportClassPeriodHeader = 546;
inline constexpr int kReportClassTimeHeader = 547;    // class report column: clock time
inline constexpr int kReportClassFirstHeader = 548;   // class report column: subject
inline constexpr int kReportClassSecondHeader = 549;  // class report column: teacher
inline constexpr int kReportClassThirdHeader = 550;   // class report column: room
// Caption of a class table, after the class's full name.
inline constexpr int kReportClassCaptionTail = 551;
inline constexpr int kPrintBranchLabel = 552;  // print dialog: label of the branch filter
inline constexpr int kPrintAllBranches = 553;  // print dialog: branch filter entry for all branches
// Teacher report heading and combined table caption.
inline constexpr int kReportTeachersHeading = 554;
inline constexpr int kReportTeacherDayHeader = 555;     // teacher report column: day
inline constexpr int kReportTeacherPeriodHeader = 556;  // teacher report column: period
inline constexpr int kReportTeacherTimeHeader = 557;    // teacher report column: clock time
inline constexpr int kReportTeacherFirstHeader = 558;   // teacher report column: class
inline constexpr int kReportTeacherSecondHeader = 559;  // teacher report column: subject
inline constexpr int kReportTeacherThirdHeader = 560;   // teacher report column: room
inline constexpr int kReportRoomsHeading = 564;   // room report heading and combined table caption
inline constexpr int kReportRoomDayHeader = 565;  // room report column: day
inline constexpr int kReportRoomPeriodHeader = 566;  // room report column: period
inline constexpr int kReportRoomFirstHeader = 568;   // room report cell heading: class
inline constexpr int kReportRoomSecondHeader = 569;  // room report cell heading: teacher
inline constexpr int kReportRoomThirdHeader = 570;   // room report cell heading: subject

// Substitutions.
inline constexpr int kSubstitutionClassLabel = 610;   // substitution dialog label: class
inline constexpr int kSubstitutionDialogTitle = 611;  // substitution dialog title
inline constexpr int kJournalTitle = 612;             // substitution journal tab: title label
// Journal and substitution dialog label: teacher.
inline constexpr int kSubstitutionTeacherLabel = 613;
inline constexpr int kSubstitutionDateLabel = 614;     // substitution dialog label: date
inline constexpr int kSubstitutionDayLabel = 615;      // substitution dialog label: day of the week
inline constexpr int kSubstitutionWeekLabel = 616;     // substitution dialog label: week
inline constexpr int kSubstitutionPeriodLabel = 617;   // substitution dialog label: period
inline constexpr int kSubstitutionSubjectLabel = 618;  // substitution dialog label: subject
inline constexpr int kSubstitutionRoomLabel = 619;     // substitution dialog label: room
// Substitution dialog: title of the search modes.
inline constexpr int kSubstituteSearchGroup = 620;
inline constexpr int kSubstituteSearchModeFirst = 621;  // substitution dialog: search modes 0-4
inline constexpr int kSubstituteSearchModeCount = 5;    // number of lines in the block above
inline constexpr int kSubstitutionOk = 626;             // substitution dialog: confirm button
inline constexpr int kSubstitutionCancel = 627;         // substitution dialog: cancel button
inline constexpr int kJournalHeaderFirst = 628;         // substitution journal column headers 0-7
inline constexpr int kJournalHeaderCount = 8;           // number of lines in the block above
// Substitution dialog: the teacher has no lesson then.
inline constexpr int kSubstitutionNoLesson = 636;
inline constexpr int kSubstitutionOnSunday = 637;  // substitution dialog: Sunday chosen
// Substitution dialog: no substitute teacher chosen.
inline constexpr int kSubstitutionNoSubstitute = 638;
// Substitution dialog: no substitute subject chosen.
inline constexpr int kSubstitutionNoSubject = 639;
// Message: substitution table full (add refused).
inline constexpr int kSubstitutionsTableFull = 640;
inline constexpr int kJournalWeekOne = 641;  // substitution journal week column: week 1
inline constexpr int kJournalWeekTwo = 642;  // substitution journal week column: week 2
// Substitution journal: confirm deleting a record.
inline constexpr int kDeleteSubstitutionQuestion = 643;

// List commands, hints and the intersection window.
inline constexpr int kDeleteRowsQuestion = 649;  // lists: confirm deleting the selected rows
inline constexpr int kNothingToDelete = 650;     // lists: delete on an empty list
inline constexpr int kHintZoomOut = 653;         // print dialog and preview: hint of zoom out
inline constexpr int kHintZoomIn = 655;          // print dialog and preview: hint of zoom in
// Print dialog: hint of the full-size preview button.
inline constexpr int kHintFullSizePreview = 664;
inline constexpr int kHintGenerator = 666;  // board: hint of the generator button
// Intersection window: lesson availability grid.
inline constexpr int kIntersectionLessonHeader = 672;
inline constexpr int kIntersectionClassHeader = 673;  // intersection window: class grid
// Intersection window: subject grid, after "1 - ".
inline constexpr int kIntersectionSubjectHeader = 674;
// Intersection window: teacher grid, after "1 - ".
inline constexpr int kIntersectionTeacherHeader = 675;
// Intersection window: method-day grid, after "1 - ".
inline constexpr int kIntersectionMethodDayHeader = 676;
// Intersection window: room grid, after "1 - ".
inline constexpr int kIntersectionRoomsHeader = 677;
// Intersection window caption, then " - " and the lesson.
inline constexpr int kIntersectionTitle = 678;
inline constexpr int kNoExampleChosen = 695;  // examples dialog: OK with no file selected

// Validation messages.
inline constexpr int kClassNameEmpty = 701;         // class dialog: empty name
inline constexpr int kClassShortNameEmpty = 702;    // class dialog: empty short name
inline constexpr int kSubjectNameEmpty = 703;       // subject dialog: empty name
inline constexpr int kSubjectShortNameEmpty = 704;  // subject dialog: empty short name
inline constexpr int kRoomNameEmpty = 705;          // room dialog: empty name
inline constexpr int kRoomShortNameEmpty = 706;     // room dialog: empty short name
inline constexpr int kTeacherNameEmpty = 707;       // teacher dialog: empty name
inline constexpr int kTeacherShortNameEmpty = 708;  // teacher dialog: empty short name
inline constexpr int kLessonNoTeacher = 709;        // lesson dialogs: no teacher chosen
inline constexpr int kLessonNoSubject = 710;        // lesson dialogs: no subject chosen
inline constexpr int kLessonNoClass = 711;          // lesson dialogs: no class chosen
inline constexpr int kNoClassesYet = 712;           // lesson panel: opened without classes
inline constexpr int kNoSubjectsYet = 713;          // lesson panel: opened without subjects
inline constexpr int kNoTeachersYet = 714;          // lesson panel: opened without teachers

// Lesson dialogs and common buttons.
inline constexpr int kLessonDialogTitle = 721;       // lesson dialog title
inline constexpr int kLessonGroupOne = 722;          // lesson dialogs: header of group 1
inline constexpr int kLessonGroupTwo = 723;          // lesson dialogs: header of group 2
inline constexpr int kLessonTeacherLabel = 724;      // lesson dialogs label: teacher
inline constexpr int kLessonSubjectLabel = 725;      // lesson dialogs label: subject
inline constexpr int kLessonRoomsLabel = 726;        // lesson dialogs label: rooms
inline constexpr int kLessonClassLabel = 727;        // lesson dialog label: class
inline constexpr int kLessonHoursLabel = 728;        // lesson dialog label: hours per week
inline constexpr int kLessonPairBox = 729;           // lesson dialogs check box: double periods
inline constexpr int kBulkLessonTitle = 730;         // bulk lesson dialog title
inline constexpr int kBulkLessonClassesLabel = 731;  // bulk lesson dialog label: classes
inline constexpr int kOk = 732;                      // OK button of every dialog
// Cancel button of every dialog (also the conflict dialog's cancel row).
inline constexpr int kCancel = 733;
inline constexpr int kYes = 734;                      // confirmation dialog: yes button
inline constexpr int kNo = 735;                       // confirmation dialog: no button
inline constexpr int kBulkLessonHoursHeader = 736;    // bulk lesson grid header: hours
inline constexpr int kBulkLessonClassesHeader = 737;  // bulk lesson grid header: classes
inline constexpr int kPreviewTitle = 751;             // preview window title
inline constexpr int kConflictDialogTitle = 752;      // conflict dialog title bar
// Conflict dialog: row that leaves every displaced lesson unplaced.
inline constexpr int kConflictAcceptAll = 753;

// Translation editor.
// Translation editor: label of the language list.
inline constexpr int kTranslationLanguageLabel = 757;
inline constexpr int kTranslationSave = 758;   // translation editor: save button
inline constexpr int kTranslationClose = 759;  // translation editor: close button
// Translation editor: confirm writing the file.
inline constexpr int kTranslationSaveQuestion = 760;
inline constexpr int kTranslationSaved = 761;  // translation editor: after the file was written

// Messages of the program's own (lines 771 and up).
// Program's own addition: a file could not be read; ": " and the reason follow.
inline constexpr int kFileUnreadable = 771;
// Program's own addition: wrong form or foreign file.
inline constexpr int kFileNotProjectFile = 772;
// Program's own addition: the project file does not unpack.
inline constexpr int kFileDamaged = 773;
// Program's own addition: the file ends before the whole project.
inline constexpr int kFileIncomplete = 774;
// Program's own addition: a table count or a text length is beyond the format.
inline constexpr int kFileTablesOutOfRange = 775;
// Program's own addition: saving failed; ": " and the reason follow.
inline constexpr int kSaveFailed = 776;
// Program's own addition: a reason, the folder does not exist.
inline constexpr int kFolderMissing = 777;
inline constexpr int kDiskFull = 778;  // program's own addition: a reason, the disk is full
// Program's own addition: a reason, the file or folder is write-protected.
inline constexpr int kWriteProtected = 779;
// Program's own addition: a language file could not be read.
inline constexpr int kLanguageFileUnreadable = 780;
// Program's own addition: an example could not be opened.
inline constexpr int kExampleNotReadable = 781;
// Program's own addition: the new-project template is missing or damaged.
inline constexpr int kTemplateMissing = 782;
// Program's own addition: settings dialog, label above the style list.
inline constexpr int kStyleListLabel = 783;
// Program's own addition: settings dialog, caption of the icon-set choice.
inline constexpr int kIconSetLabel = 784;
// Program's own addition: the one note on a tab whose part of the program is still to come.
inline constexpr int kPageNotReady = 785;
// Program's own addition: help menu, the user manual could not be opened; the path follows.
inline constexpr int kManualNotOpened = 786;
// Program's own addition: start-up, a data folder could not be created; the path follows.
inline constexpr int kFolderNotCreated = 787;
// Program's own addition: a settings file (style index) could not be written; the path follows.
inline constexpr int kSettingNotSaved = 788;
// Program's own addition: the placement table (8000) is full.
inline constexpr int kPlacementTableFull = 790;

// Every line named above, blocks expanded: each must have a text in every language file.
inline constexpr int kAllCatalogueLines[] = {
    1,   2,   3,   4,   6,   7,   8,   9,   11,  12,  13,  14,  15,  16,  17,  18,  19,  20,  21,
    22,  23,  24,  25,  26,  27,  28,  29,  30,  37,  38,  41,  42,  43,  44,  45,  46,  47,  48,
    49,  50,  51,  52,  53,  54,  55,  56,  57,  58,  59,  60,  62,  65,  66,  67,  68,  69,  70,
    71,  72,  73,  74,  75,  76,  77,  78,  82,  83,  84,  87,  88,  89,  91,  92,  93,  94,  95,
    96,  97,  98,  99,  101, 103, 104, 106, 109, 114, 115, 116, 117, 118, 119, 121, 122, 123, 124,
    125, 126, 127, 128, 129, 130, 131, 132, 133, 134, 135, 136, 137, 138, 139, 141, 142, 143, 144,
    145, 146, 147, 148, 149, 150, 151, 152, 153, 154, 155, 156, 157, 158, 159, 160, 161, 162, 163,
    164, 165, 171, 172, 173, 174, 175, 176, 177, 178, 179, 180, 181, 182, 183, 184, 185, 186, 187,
    188, 189, 190, 191, 192, 193, 194, 195, 196, 197, 198, 199, 200, 201, 202, 203, 204, 205, 211,
    212, 213, 214, 215, 216, 217, 218, 219, 220, 221, 222, 223, 224, 225, 226, 227, 228, 229, 230,
    231, 232, 233, 234, 235, 236, 237, 238, 239, 240, 241, 242, 243, 244, 245, 251, 252, 253, 254,
    255, 256, 257, 258, 259, 260, 261, 262, 271, 272, 273, 274, 275, 276, 281, 282, 283, 291, 292,
    293, 294, 301, 302, 303, 311, 312, 313, 314, 315, 317, 318, 319, 320, 321, 322, 323, 324, 325,
    326, 327, 328, 329, 331, 332, 333, 334, 342, 343, 344, 345, 347, 361, 362, 363, 364, 365, 366,
    367, 371, 372, 373, 374, 375, 376, 377, 378, 379, 380, 396, 397, 398, 411, 412, 413, 415, 418,
    419, 420, 421, 431, 432, 433, 434, 441, 442, 443, 444, 445, 446, 461, 462, 463, 464, 465, 466,
    471, 472, 481, 491, 492, 493, 494, 495, 496, 497, 498, 499, 500, 501, 502, 503, 504, 505, 506,
    507, 508, 509, 510, 511, 512, 513, 514, 515, 516, 517, 518, 519, 520, 521, 522, 523, 524, 525,
    526, 527, 528, 529, 530, 531, 532, 533, 534, 535, 536, 537, 541, 542, 543, 544, 545, 546, 547,
    548, 549, 550, 551, 552, 553, 554, 555, 556, 557, 558, 559, 560, 564, 565, 566, 568, 569, 570,
    610, 611, 612, 613, 614, 615, 616, 617, 618, 619, 620, 621, 622, 623, 624, 625, 626, 627, 628,
    629, 630, 631, 632, 633, 634, 635, 636, 637, 638, 639, 640, 641, 642, 643, 649, 650, 653, 655,
    664, 666, 672, 673, 674, 675, 676, 677, 678, 695, 701, 702, 703, 704, 705, 706, 707, 708, 709,
    710, 711, 712, 713, 714, 721, 722, 723, 724, 725, 726, 727, 728, 729, 730, 731, 732, 733, 734,
    735, 736, 737, 751, 752, 753, 757, 758, 759, 760, 761, 771, 772, 773, 774, 775, 776, 777, 778,
    779, 780, 781, 782, 783, 784, 785, 786, 787, 788, 790,
};

}  // namespace jadvalon::lines
