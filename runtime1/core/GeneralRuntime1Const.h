// The suite's general vocabulary: list names, column and colour names,
// conditions, units, sizes, mark-up symbols and style names, shared by every
// tool and library. Each entry is a named text; code that shows one names the
// entry and fetches the text with LoadResString at the moment of use.
//
// Also the message entry type and the look-up by name used by both message
// tables, and the suite's private temporary folder my_temp_path.
//
// An entry's name is its look-up key ("_QMDeleteXQ"); the C++ identifier is
// the name without its leading underscore (QMDeleteXQ). Names say what the
// text says: X and Y stand for %s, N for %d, Nmany for %.0n, a trailing Q for
// a question.
#pragma once

#include <algorithm>
#include <span>
#include <string>
#include <string_view>

#include "platform/export.h"

namespace qm7 {

// One shared text: the name it is exported and looked up under, and the text.
struct TMessageEntry {
    const char* name;
    const char16_t* text;
};

// The text of an entry, fetched afresh at each call.
QM7_EXPORT std::u16string LoadResString(const TMessageEntry& entry);

// The entry with the given "_QM..." name: searched in GeneralRuntime1Const,
// then in GeneralRuntime2Const; nullptr when neither table has it.
QM7_EXPORT const TMessageEntry* FindMessage(std::string_view name);

namespace detail {

// Binary search of a table ordered by name (byte order).
inline const TMessageEntry* FindInSorted(std::span<const TMessageEntry* const> table,
                                         std::string_view name) {
    auto it = std::lower_bound(
        table.begin(), table.end(), name,
        [](const TMessageEntry* e, std::string_view n) { return std::string_view(e->name) < n; });
    return it != table.end() && std::string_view((*it)->name) == name ? *it : nullptr;
}

} // namespace detail

namespace GeneralRuntime1Const {

extern QM7_EXPORT const TMessageEntry QM_TMSStyleBlue;
extern QM7_EXPORT const TMessageEntry QM_TMSStyleBlueAndGrey;
extern QM7_EXPORT const TMessageEntry QM_TMSStyleBlueAndYellow;
extern QM7_EXPORT const TMessageEntry QM_TMSStyleDarkGreyAndYellow;
extern QM7_EXPORT const TMessageEntry QM_TMSStyleGrey;
extern QM7_EXPORT const TMessageEntry QM_TMSStyleGreyAndGreen;
extern QM7_EXPORT const TMessageEntry QM_TMSStyleLightBlue;
extern QM7_EXPORT const TMessageEntry QM_TMSStyleLightGreyAndYellow;
extern QM7_EXPORT const TMessageEntry QM_TMSStyleMidGreyAndYellow;
extern QM7_EXPORT const TMessageEntry QM_TMSStyleOlive;
extern QM7_EXPORT const TMessageEntry QM_TMSStylePink;
extern QM7_EXPORT const TMessageEntry QM_TMSStyleSilverAndYellow;
extern QM7_EXPORT const TMessageEntry QM_TMSStyleVeryLightBlue;
extern QM7_EXPORT const TMessageEntry QMActiveColumnNumberAndHeading;
extern QM7_EXPORT const TMessageEntry QMAdd;
extern QM7_EXPORT const TMessageEntry QMAddXQ;
extern QM7_EXPORT const TMessageEntry QMAIsBetweenXandY;
extern QM7_EXPORT const TMessageEntry QMAlignerList;
extern QM7_EXPORT const TMessageEntry QMAssociateList;
extern QM7_EXPORT const TMessageEntry QMAssociatesAsWordList;
extern QM7_EXPORT const TMessageEntry QMBackground;
extern QM7_EXPORT const TMessageEntry QMBasicStatistics;
extern QM7_EXPORT const TMessageEntry QMBIC_Score;
extern QM7_EXPORT const TMessageEntry QMBreakdown;
extern QM7_EXPORT const TMessageEntry QMByte;
extern QM7_EXPORT const TMessageEntry QMBytePosition;
extern QM7_EXPORT const TMessageEntry QMCannotOpenClipboard;
extern QM7_EXPORT const TMessageEntry QMCarriageReturn;
extern QM7_EXPORT const TMessageEntry QMCentimetres;
extern QM7_EXPORT const TMessageEntry QMCentre;
extern QM7_EXPORT const TMessageEntry QMCenturies;
extern QM7_EXPORT const TMessageEntry QMChangeQ;
extern QM7_EXPORT const TMessageEntry QMChargramList;
extern QM7_EXPORT const TMessageEntry QMChargrams;
extern QM7_EXPORT const TMessageEntry QMCheckForUpdates;
extern QM7_EXPORT const TMessageEntry QMChiSquare;
extern QM7_EXPORT const TMessageEntry QMChoose;
extern QM7_EXPORT const TMessageEntry QMClearCaption;
extern QM7_EXPORT const TMessageEntry QMClose;
extern QM7_EXPORT const TMessageEntry QMClosedATool;
extern QM7_EXPORT const TMessageEntry QMCloseQuillmark;
extern QM7_EXPORT const TMessageEntry QMClosing;
extern QM7_EXPORT const TMessageEntry QMClosingATool;
extern QM7_EXPORT const TMessageEntry QMClumpList;
extern QM7_EXPORT const TMessageEntry QMClumps;
extern QM7_EXPORT const TMessageEntry QMClumpsAsWordList;
extern QM7_EXPORT const TMessageEntry QMClusters;
extern QM7_EXPORT const TMessageEntry QMCollocate;
extern QM7_EXPORT const TMessageEntry QMCollocateAssociations;
extern QM7_EXPORT const TMessageEntry QMCollocateList;
extern QM7_EXPORT const TMessageEntry QMCollocates;
extern QM7_EXPORT const TMessageEntry QMColourCategories;
extern QM7_EXPORT const TMessageEntry QMColourCategoriesTip;
extern QM7_EXPORT const TMessageEntry QMComesAfter;
extern QM7_EXPORT const TMessageEntry QMComesBefore;
extern QM7_EXPORT const TMessageEntry QMComesWithOrAfter;
extern QM7_EXPORT const TMessageEntry QMComesWithOrBefore;
extern QM7_EXPORT const TMessageEntry QMCompute;
extern QM7_EXPORT const TMessageEntry QMConcgramList;
extern QM7_EXPORT const TMessageEntry QMConcordanceClusterList;
extern QM7_EXPORT const TMessageEntry QMConcordanceList;
extern QM7_EXPORT const TMessageEntry QMConcordancePatternList;
extern QM7_EXPORT const TMessageEntry QMConcordancePlotList;
extern QM7_EXPORT const TMessageEntry QMConcordances;
extern QM7_EXPORT const TMessageEntry QMConfirmation;
extern QM7_EXPORT const TMessageEntry QMContextualFrequency;
extern QM7_EXPORT const TMessageEntry QMContextWord;
extern QM7_EXPORT const TMessageEntry QMContextWordColour;
extern QM7_EXPORT const TMessageEntry QMContextWordOccurrences;
extern QM7_EXPORT const TMessageEntry QMContextWords;
extern QM7_EXPORT const TMessageEntry QMCustom;
extern QM7_EXPORT const TMessageEntry QMData;
extern QM7_EXPORT const TMessageEntry QMDate;
extern QM7_EXPORT const TMessageEntry QMDays;
extern QM7_EXPORT const TMessageEntry QMDecades;
extern QM7_EXPORT const TMessageEntry QMDelete;
extern QM7_EXPORT const TMessageEntry QMDeleteAllXFilesInY;
extern QM7_EXPORT const TMessageEntry QMDeletedColour;
extern QM7_EXPORT const TMessageEntry QMDeleteEntriesIfX;
extern QM7_EXPORT const TMessageEntry QMDeleteIf;
extern QM7_EXPORT const TMessageEntry QMDeleteThe1XFileInY;
extern QM7_EXPORT const TMessageEntry QMDeleteXQ;
extern QM7_EXPORT const TMessageEntry QMDetailedConsistency;
extern QM7_EXPORT const TMessageEntry QMDetailedConsistencyList;
extern QM7_EXPORT const TMessageEntry QMDetailedConsistencyRelationsList;
extern QM7_EXPORT const TMessageEntry QMDice;
extern QM7_EXPORT const TMessageEntry QMDiceCoefficient;
extern QM7_EXPORT const TMessageEntry QMDifferentTextsCanBeChosenForTools;
extern QM7_EXPORT const TMessageEntry QMDiv;
extern QM7_EXPORT const TMessageEntry QMDiv1;
extern QM7_EXPORT const TMessageEntry QMdo;
extern QM7_EXPORT const TMessageEntry QMEdit;
extern QM7_EXPORT const TMessageEntry QMEditXQ;
extern QM7_EXPORT const TMessageEntry QMEndsWith;
extern QM7_EXPORT const TMessageEntry QMEnter;
extern QM7_EXPORT const TMessageEntry QMEquals;
extern QM7_EXPORT const TMessageEntry QMEtc;
extern QM7_EXPORT const TMessageEntry QMEveryTimeQMStarts;
extern QM7_EXPORT const TMessageEntry QMExcelSpreadSheet;
extern QM7_EXPORT const TMessageEntry QMFalse;
extern QM7_EXPORT const TMessageEntry QMFileAlreadyExists;
extern QM7_EXPORT const TMessageEntry QMFilename;
extern QM7_EXPORT const TMessageEntry QMFilenameList;
extern QM7_EXPORT const TMessageEntry QMFilePercent;
extern QM7_EXPORT const TMessageEntry QMFileReadError;
extern QM7_EXPORT const TMessageEntry QMFilesX;
extern QM7_EXPORT const TMessageEntry QMFloatGBytes;
extern QM7_EXPORT const TMessageEntry QMFloatKBytes;
extern QM7_EXPORT const TMessageEntry QMFloatMBytes;
extern QM7_EXPORT const TMessageEntry QMFloatTBytes;
extern QM7_EXPORT const TMessageEntry QMForegroundText;
extern QM7_EXPORT const TMessageEntry QMFoundAnywhereIn;
extern QM7_EXPORT const TMessageEntry QMFoundIn;
extern QM7_EXPORT const TMessageEntry QMFoundWithinNWordsLeftOf;
extern QM7_EXPORT const TMessageEntry QMFoundWithinNWordsOf;
extern QM7_EXPORT const TMessageEntry QMFoundWithinNWordsRightOf;
extern QM7_EXPORT const TMessageEntry QMGigabyte;
extern QM7_EXPORT const TMessageEntry QMGreaterOrEquals;
extern QM7_EXPORT const TMessageEntry QMH;
extern QM7_EXPORT const TMessageEntry QMH1;
extern QM7_EXPORT const TMessageEntry QMHead;
extern QM7_EXPORT const TMessageEntry QMHead1;
extern QM7_EXPORT const TMessageEntry QMHeadingEndMarkedBy;
extern QM7_EXPORT const TMessageEntry QMHeadingNumber;
extern QM7_EXPORT const TMessageEntry QMHeadingPosition;
extern QM7_EXPORT const TMessageEntry QMHeadingStartMarkedBy;
extern QM7_EXPORT const TMessageEntry QMHelp;
extern QM7_EXPORT const TMessageEntry QMHelpFileIs;
extern QM7_EXPORT const TMessageEntry QMHighlightedCollocate;
extern QM7_EXPORT const TMessageEntry QMHours;
extern QM7_EXPORT const TMessageEntry QMIgnore;
extern QM7_EXPORT const TMessageEntry QMInches;
extern QM7_EXPORT const TMessageEntry QMIncludeHeadersAndHeadings;
extern QM7_EXPORT const TMessageEntry QMIncludeHeadings;
extern QM7_EXPORT const TMessageEntry QMIsAJoinedHead;
extern QM7_EXPORT const TMessageEntry QMIsAJoinedMember;
extern QM7_EXPORT const TMessageEntry QMIsAMarkedEntry;
extern QM7_EXPORT const TMessageEntry QMIsAMatchedEntry;
extern QM7_EXPORT const TMessageEntry QMJoin;
extern QM7_EXPORT const TMessageEntry QMJoinAll;
extern QM7_EXPORT const TMessageEntry QMJoined;
extern QM7_EXPORT const TMessageEntry QMJoinXQ;
extern QM7_EXPORT const TMessageEntry QMKeyWordDatabase;
extern QM7_EXPORT const TMessageEntry QMKeyWordDatabaseAsWordlist;
extern QM7_EXPORT const TMessageEntry QMKeywordLinks;
extern QM7_EXPORT const TMessageEntry QMKeyWordList;
extern QM7_EXPORT const TMessageEntry QMKeywords;
extern QM7_EXPORT const TMessageEntry QMKeyWordsAsWordlist;
extern QM7_EXPORT const TMessageEntry QMKeyWordsClusterList;
extern QM7_EXPORT const TMessageEntry QMKeyWordsPlotList;
extern QM7_EXPORT const TMessageEntry QMKilobyte;
extern QM7_EXPORT const TMessageEntry QML;
extern QM7_EXPORT const TMessageEntry QML1;
extern QM7_EXPORT const TMessageEntry QML2;
extern QM7_EXPORT const TMessageEntry QML3;
extern QM7_EXPORT const TMessageEntry QML4;
extern QM7_EXPORT const TMessageEntry QML5;
extern QM7_EXPORT const TMessageEntry QMLandscape;
extern QM7_EXPORT const TMessageEntry QMLanguage;
extern QM7_EXPORT const TMessageEntry QMLeft;
extern QM7_EXPORT const TMessageEntry QMLessOrEquals;
extern QM7_EXPORT const TMessageEntry QMLineFeed;
extern QM7_EXPORT const TMessageEntry QMLinkList;
extern QM7_EXPORT const TMessageEntry QMLoadCaption;
extern QM7_EXPORT const TMessageEntry QMLoadingX;
extern QM7_EXPORT const TMessageEntry QMLogLikelihood;
extern QM7_EXPORT const TMessageEntry QMLogRatio;
extern QM7_EXPORT const TMessageEntry QMMainFiles;
extern QM7_EXPORT const TMessageEntry QMMainSortWordColour;
extern QM7_EXPORT const TMessageEntry QMMark;
extern QM7_EXPORT const TMessageEntry QMMarkedHead;
extern QM7_EXPORT const TMessageEntry QMMarkedMember;
extern QM7_EXPORT const TMessageEntry QMMarkupList;
extern QM7_EXPORT const TMessageEntry QMMatch;
extern QM7_EXPORT const TMessageEntry QMMatched;
extern QM7_EXPORT const TMessageEntry QMMatchXQ;
extern QM7_EXPORT const TMessageEntry QMMax;
extern QM7_EXPORT const TMessageEntry QMMean;
extern QM7_EXPORT const TMessageEntry QMMegabyte;
extern QM7_EXPORT const TMessageEntry QMMergeXwithY;
extern QM7_EXPORT const TMessageEntry QMMI;
extern QM7_EXPORT const TMessageEntry QMMillennia;
extern QM7_EXPORT const TMessageEntry QMMin;
extern QM7_EXPORT const TMessageEntry QMMonthly;
extern QM7_EXPORT const TMessageEntry QMMonths;
extern QM7_EXPORT const TMessageEntry QMMostFreqCollocColour;
extern QM7_EXPORT const TMessageEntry QMMutualInformation;
extern QM7_EXPORT const TMessageEntry QMMutualINformationList;
extern QM7_EXPORT const TMessageEntry QMN;
extern QM7_EXPORT const TMessageEntry QMNBytes;
extern QM7_EXPORT const TMessageEntry QMNever;
extern QM7_EXPORT const TMessageEntry QMNGBytes;
extern QM7_EXPORT const TMessageEntry QMNKBytes;
extern QM7_EXPORT const TMessageEntry QMNMBytes;
extern QM7_EXPORT const TMessageEntry QMNo;
extern QM7_EXPORT const TMessageEntry QMNone;
extern QM7_EXPORT const TMessageEntry QMNormalColour;
extern QM7_EXPORT const TMessageEntry QMNoSentencesFound;
extern QM7_EXPORT const TMessageEntry QMNotes;
extern QM7_EXPORT const TMessageEntry QMNotMarked;
extern QM7_EXPORT const TMessageEntry QMNotX;
extern QM7_EXPORT const TMessageEntry QMNoValidColumns;
extern QM7_EXPORT const TMessageEntry QMNTBytes;
extern QM7_EXPORT const TMessageEntry QMOnlyMbSpaceOnDriveDProceed;
extern QM7_EXPORT const TMessageEntry QMOpeningX;
extern QM7_EXPORT const TMessageEntry QMOverlapCoefficient;
extern QM7_EXPORT const TMessageEntry QMOverwriteXQ;
extern QM7_EXPORT const TMessageEntry QMOverwriteXWithBackupQ;
extern QM7_EXPORT const TMessageEntry QMP;
extern QM7_EXPORT const TMessageEntry QMP1;
extern QM7_EXPORT const TMessageEntry QMPageTabNumber;
extern QM7_EXPORT const TMessageEntry QMParagraphEndMarkedBy;
extern QM7_EXPORT const TMessageEntry QMParagraphNumber;
extern QM7_EXPORT const TMessageEntry QMParagraphPosition;
extern QM7_EXPORT const TMessageEntry QMParagraphStartMarkedBy;
extern QM7_EXPORT const TMessageEntry QMPatterns;
extern QM7_EXPORT const TMessageEntry QMPixels;
extern QM7_EXPORT const TMessageEntry QMPleaseSpecifyFrequencyOf;
extern QM7_EXPORT const TMessageEntry QMPLotData;
extern QM7_EXPORT const TMessageEntry QMPLotMargins;
extern QM7_EXPORT const TMessageEntry QMPlotMarks;
extern QM7_EXPORT const TMessageEntry QMPlots;
extern QM7_EXPORT const TMessageEntry QMPortrait;
extern QM7_EXPORT const TMessageEntry QMProcedureEquals;
extern QM7_EXPORT const TMessageEntry QMQuillmark;
extern QM7_EXPORT const TMessageEntry QMQuillmarkTools;
extern QM7_EXPORT const TMessageEntry QMR;
extern QM7_EXPORT const TMessageEntry QMR1;
extern QM7_EXPORT const TMessageEntry QMR2;
extern QM7_EXPORT const TMessageEntry QMR3;
extern QM7_EXPORT const TMessageEntry QMR4;
extern QM7_EXPORT const TMessageEntry QMR5;
extern QM7_EXPORT const TMessageEntry QMRankOrders;
extern QM7_EXPORT const TMessageEntry QMRedo;
extern QM7_EXPORT const TMessageEntry QMReferenceCorpus;
extern QM7_EXPORT const TMessageEntry QMRestoreDefaultColoursFor;
extern QM7_EXPORT const TMessageEntry QMRight;
extern QM7_EXPORT const TMessageEntry QMRulermarks;
extern QM7_EXPORT const TMessageEntry QMS;
extern QM7_EXPORT const TMessageEntry QMS1;
extern QM7_EXPORT const TMessageEntry QMSameColoursChosen;
extern QM7_EXPORT const TMessageEntry QMSaveAsExcel;
extern QM7_EXPORT const TMessageEntry QMSaveAsOther;
extern QM7_EXPORT const TMessageEntry QMSaveAsPlainText;
extern QM7_EXPORT const TMessageEntry QMSaveasRTF;
extern QM7_EXPORT const TMessageEntry QMSaveAsXML;
extern QM7_EXPORT const TMessageEntry QMSaving;
extern QM7_EXPORT const TMessageEntry QMSd;
extern QM7_EXPORT const TMessageEntry QMSearchWordColour;
extern QM7_EXPORT const TMessageEntry QMSecondSortWordColour;
extern QM7_EXPORT const TMessageEntry QMSectionEndMarkedBy;
extern QM7_EXPORT const TMessageEntry QMSectionList;
extern QM7_EXPORT const TMessageEntry QMSectionN;
extern QM7_EXPORT const TMessageEntry QMSectionNumber;
extern QM7_EXPORT const TMessageEntry QMSectionPosition;
extern QM7_EXPORT const TMessageEntry QMSectionStartMarkedBy;
extern QM7_EXPORT const TMessageEntry QMSegmentN;
extern QM7_EXPORT const TMessageEntry QMSelect;
extern QM7_EXPORT const TMessageEntry QMSelectedText;
extern QM7_EXPORT const TMessageEntry QMSelectFolder;
extern QM7_EXPORT const TMessageEntry QMSentenceEndMarkedBy;
extern QM7_EXPORT const TMessageEntry QMSentenceMarkersNotFound;
extern QM7_EXPORT const TMessageEntry QMSentenceNumber;
extern QM7_EXPORT const TMessageEntry QMSentencePosition;
extern QM7_EXPORT const TMessageEntry QMSentenceStartMarkedBy;
extern QM7_EXPORT const TMessageEntry QMSet;
extern QM7_EXPORT const TMessageEntry QMSetNumber;
extern QM7_EXPORT const TMessageEntry QMSetOrder;
extern QM7_EXPORT const TMessageEntry QMSettings;
extern QM7_EXPORT const TMessageEntry QMSettingUpColoursAndMenu;
extern QM7_EXPORT const TMessageEntry QMShow;
extern QM7_EXPORT const TMessageEntry QMSort;
extern QM7_EXPORT const TMessageEntry QMSortTriangle;
extern QM7_EXPORT const TMessageEntry QMSourceText;
extern QM7_EXPORT const TMessageEntry QMSpace;
extern QM7_EXPORT const TMessageEntry QMSpaceFiles;
extern QM7_EXPORT const TMessageEntry QMSpare;
extern QM7_EXPORT const TMessageEntry QMSpecificMutualInfo;
extern QM7_EXPORT const TMessageEntry QMStartingATool;
extern QM7_EXPORT const TMessageEntry QMStartsWith;
extern QM7_EXPORT const TMessageEntry QMStatistics;
extern QM7_EXPORT const TMessageEntry QMStatisticsList;
extern QM7_EXPORT const TMessageEntry QMStatsFieldsWanted;
extern QM7_EXPORT const TMessageEntry QMStudyWordlist;
extern QM7_EXPORT const TMessageEntry QMSureQ;
extern QM7_EXPORT const TMessageEntry QMTab;
extern QM7_EXPORT const TMessageEntry QMTagColour;
extern QM7_EXPORT const TMessageEntry QMTagDistance;
extern QM7_EXPORT const TMessageEntry QMTagOrder;
extern QM7_EXPORT const TMessageEntry QMTerabyte;
extern QM7_EXPORT const TMessageEntry QMTestWhetherTip;
extern QM7_EXPORT const TMessageEntry QMTextFileStatisticsNeededForX;
extern QM7_EXPORT const TMessageEntry QMTextList;
extern QM7_EXPORT const TMessageEntry QMThan;
extern QM7_EXPORT const TMessageEntry QMThirdSortWordColour;
extern QM7_EXPORT const TMessageEntry QMTimeLineData;
extern QM7_EXPORT const TMessageEntry QMTimelineGraphBlob1;
extern QM7_EXPORT const TMessageEntry QMTimelineGraphBlob2;
extern QM7_EXPORT const TMessageEntry QMTimelineGraphColour1;
extern QM7_EXPORT const TMessageEntry QMTimelineGraphColour2;
extern QM7_EXPORT const TMessageEntry QMTimelineHorizDivider;
extern QM7_EXPORT const TMessageEntry QMTimeLineList;
extern QM7_EXPORT const TMessageEntry QMTimelineQuantityFill;
extern QM7_EXPORT const TMessageEntry QMTimelines;
extern QM7_EXPORT const TMessageEntry QMTimelineYearDivider;
extern QM7_EXPORT const TMessageEntry QMTotal;
extern QM7_EXPORT const TMessageEntry QMTotalN;
extern QM7_EXPORT const TMessageEntry QMTrue;
extern QM7_EXPORT const TMessageEntry QMTScore;
extern QM7_EXPORT const TMessageEntry QMTypeIn;
extern QM7_EXPORT const TMessageEntry QMUndefinedTimeLineBasis;
extern QM7_EXPORT const TMessageEntry QMUndo;
extern QM7_EXPORT const TMessageEntry QMUnknown;
extern QM7_EXPORT const TMessageEntry QMUnloading;
extern QM7_EXPORT const TMessageEntry QMUserReadWriteFolderIsWrong;
extern QM7_EXPORT const TMessageEntry QMValue;
extern QM7_EXPORT const TMessageEntry QMViewerList;
extern QM7_EXPORT const TMessageEntry QMViewTextKeyWordsColour;
extern QM7_EXPORT const TMessageEntry QMViewTextsColour;
extern QM7_EXPORT const TMessageEntry QMWeekly;
extern QM7_EXPORT const TMessageEntry QMWeeks;
extern QM7_EXPORT const TMessageEntry QMWhatsThis;
extern QM7_EXPORT const TMessageEntry QMWholeConcLine;
extern QM7_EXPORT const TMessageEntry QMWontFitColour;
extern QM7_EXPORT const TMessageEntry QMWordcloud_boxcolour;
extern QM7_EXPORT const TMessageEntry QMwordcloud_windowcolour;
extern QM7_EXPORT const TMessageEntry QMWordcloud_wordcolour;
extern QM7_EXPORT const TMessageEntry QMWordDocument;
extern QM7_EXPORT const TMessageEntry QMWordList;
extern QM7_EXPORT const TMessageEntry QMWordListIndexList;
extern QM7_EXPORT const TMessageEntry QMWordlists;
extern QM7_EXPORT const TMessageEntry QMWordNumber;
extern QM7_EXPORT const TMessageEntry QMXAboveY;
extern QM7_EXPORT const TMessageEntry QMXBelowY;
extern QM7_EXPORT const TMessageEntry QMXColumn;
extern QM7_EXPORT const TMessageEntry QMXColumnText;
extern QM7_EXPORT const TMessageEntry QMXColumnValue;
extern QM7_EXPORT const TMessageEntry QMXFiles;
extern QM7_EXPORT const TMessageEntry QMXLength;
extern QM7_EXPORT const TMessageEntry QMXMLData;
extern QM7_EXPORT const TMessageEntry QMXMLRow;
extern QM7_EXPORT const TMessageEntry QMXNCopies;
extern QM7_EXPORT const TMessageEntry QMXsColumnNsValue;
extern QM7_EXPORT const TMessageEntry QMXsColumnsValue;
extern QM7_EXPORT const TMessageEntry QMXToolMainControllerSettings;
extern QM7_EXPORT const TMessageEntry QMXToolsOpen;
extern QM7_EXPORT const TMessageEntry QMYears;
extern QM7_EXPORT const TMessageEntry QMYes;
extern QM7_EXPORT const TMessageEntry QMYoureChoosingForXTool;
extern QM7_EXPORT const TMessageEntry QMZap;
extern QM7_EXPORT const TMessageEntry QMZapX;
extern QM7_EXPORT const TMessageEntry QMZScore;

// Every entry of this table, ordered by name (byte order).
QM7_EXPORT std::span<const TMessageEntry* const> Entries();

// The entry of this table with the given name, or nullptr.
QM7_EXPORT const TMessageEntry* Find(std::string_view name);

// The suite's private temporary folder, with a trailing '/': a folder of mode
// 0700 owned by the user, <temporary folder>/quillmark-<uid>/, where the
// temporary folder is $TMPDIR when that names a folder, else /tmp. Set when
// the library is loaded; empty only when no private folder could be made.
extern QM7_EXPORT std::u16string my_temp_path;

// Makes (or reuses) the private folder <base>/quillmark-<uid>/ and returns it
// with a trailing '/'. An existing entry of that name is reused only when it
// is a real folder (not a link) owned by the user with mode 0700; otherwise a
// fresh folder <base>/quillmark-<uid>-XXXXXX is made. Returns an empty string
// when neither can be made.
QM7_EXPORT std::u16string PrivateTempFolder(std::string_view base);

} // namespace GeneralRuntime1Const
} // namespace qm7
