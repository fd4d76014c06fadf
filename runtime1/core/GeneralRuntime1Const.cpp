#include "runtime1/core/GeneralRuntime1Const.h"

#include <cstdlib>
#include <filesystem>
#include <string>

#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include "runtime1/core/GeneralRuntime2Const.h"

namespace qm7 {

std::u16string LoadResString(const TMessageEntry& entry) {
    return entry.text != nullptr ? std::u16string(entry.text) : std::u16string();
}

const TMessageEntry* FindMessage(std::string_view name) {
    if (const TMessageEntry* e = GeneralRuntime1Const::Find(name)) {
        return e;
    }
    return GeneralRuntime2Const::Find(name);
}

namespace GeneralRuntime1Const {

const TMessageEntry QM_TMSStyleBlue{"_QM_TMSStyleBlue", u"Blue"};
const TMessageEntry QM_TMSStyleBlueAndGrey{"_QM_TMSStyleBlueAndGrey", u"Blue and Grey"};
const TMessageEntry QM_TMSStyleBlueAndYellow{"_QM_TMSStyleBlueAndYellow", u"Blue and Yellow"};
const TMessageEntry QM_TMSStyleDarkGreyAndYellow{"_QM_TMSStyleDarkGreyAndYellow",
                                                 u"Dark Grey and Yellow"};
const TMessageEntry QM_TMSStyleGrey{"_QM_TMSStyleGrey", u"Grey"};
const TMessageEntry QM_TMSStyleGreyAndGreen{"_QM_TMSStyleGreyAndGreen", u"Grey and Green"};
const TMessageEntry QM_TMSStyleLightBlue{"_QM_TMSStyleLightBlue", u"Light Blue"};
const TMessageEntry QM_TMSStyleLightGreyAndYellow{"_QM_TMSStyleLightGreyAndYellow",
                                                  u"Light Grey and Yellow"};
const TMessageEntry QM_TMSStyleMidGreyAndYellow{"_QM_TMSStyleMidGreyAndYellow",
                                                u"Mid Grey and Yellow"};
const TMessageEntry QM_TMSStyleOlive{"_QM_TMSStyleOlive", u"Olive"};
const TMessageEntry QM_TMSStylePink{"_QM_TMSStylePink", u"Pink"};
const TMessageEntry QM_TMSStyleSilverAndYellow{"_QM_TMSStyleSilverAndYellow", u"Silver and Yellow"};
const TMessageEntry QM_TMSStyleVeryLightBlue{"_QM_TMSStyleVeryLightBlue", u"Very Light Blue"};
const TMessageEntry QMActiveColumnNumberAndHeading{"_QMActiveColumnNumberAndHeading",
                                                   u"Active: column %d (%s)"};
const TMessageEntry QMAdd{"_QMAdd", u"Add"};
const TMessageEntry QMAddXQ{"_QMAddXQ", u"Add %s?"};
const TMessageEntry QMAIsBetweenXandY{"_QMAIsBetweenXandY", u"%s is between %s and %s"};
const TMessageEntry QMAlignerList{"_QMAlignerList", u"Aligner List"};
const TMessageEntry QMAssociateList{"_QMAssociateList", u"Associate List"};
const TMessageEntry QMAssociatesAsWordList{"_QMAssociatesAsWordList", u"Associates as WordList"};
const TMessageEntry QMBackground{"_QMBackground", u"background"};
const TMessageEntry QMBasicStatistics{"_QMBasicStatistics", u"Basic Statistics"};
const TMessageEntry QMBIC_Score{"_QMBIC_Score", u"BIC score"};
const TMessageEntry QMBreakdown{"_QMBreakdown", u"breakdown of results"};
const TMessageEntry QMByte{"_QMByte", u"bytes"};
const TMessageEntry QMBytePosition{"_QMBytePosition", u"position in file"};
const TMessageEntry QMCannotOpenClipboard{"_QMCannotOpenClipboard", u"Cannot open clipboard"};
const TMessageEntry QMCarriageReturn{"_QMCarriageReturn", u"<carriage-return>"};
const TMessageEntry QMCentimetres{"_QMCentimetres", u"centimetres"};
const TMessageEntry QMCentre{"_QMCentre", u"Centre"};
const TMessageEntry QMCenturies{"_QMCenturies", u"centuries"};
const TMessageEntry QMChangeQ{"_QMChangeQ", u"Change?"};
const TMessageEntry QMChargramList{"_QMChargramList", u"Chargram List"};
const TMessageEntry QMChargrams{"_QMChargrams", u"chargrams"};
const TMessageEntry QMCheckForUpdates{"_QMCheckForUpdates", u"check for updates"};
const TMessageEntry QMChiSquare{"_QMChiSquare", u"Chi-square"};
const TMessageEntry QMChoose{"_QMChoose", u"Choose"};
const TMessageEntry QMClearCaption{"_QMClearCaption", u"Clear"};
const TMessageEntry QMClose{"_QMClose", u"Close"};
const TMessageEntry QMClosedATool{"_QMClosedATool", u"%s has notified itself as closed"};
const TMessageEntry QMCloseQuillmark{"_QMCloseQuillmark", u"Close Quillmark down?"};
const TMessageEntry QMClosing{"_QMClosing", u"closing"};
const TMessageEntry QMClosingATool{"_QMClosingATool", u"closing %s"};
const TMessageEntry QMClumpList{"_QMClumpList", u"Clump List"};
const TMessageEntry QMClumps{"_QMClumps", u"clumps"};
const TMessageEntry QMClumpsAsWordList{"_QMClumpsAsWordList", u"Clumps as WordList"};
const TMessageEntry QMClusters{"_QMClusters", u"clusters"};
const TMessageEntry QMCollocate{"_QMCollocate", u"Collocate"};
const TMessageEntry QMCollocateAssociations{"_QMCollocateAssociations", u"collocate associations"};
const TMessageEntry QMCollocateList{"_QMCollocateList", u"Collocate List"};
const TMessageEntry QMCollocates{"_QMCollocates", u"collocates"};
const TMessageEntry QMColourCategories{"_QMColourCategories", u"Colour Categories"};
const TMessageEntry QMColourCategoriesTip{
    "_QMColourCategoriesTip",
    u"Choose data column(s), search condition(s) and a colour; press Add a Search; press Find"};
const TMessageEntry QMComesAfter{"_QMComesAfter", u"%s follows %s alphabetically"};
const TMessageEntry QMComesBefore{"_QMComesBefore", u"%s before %s alphabetically"};
const TMessageEntry QMComesWithOrAfter{"_QMComesWithOrAfter",
                                       u"%s comes with or after %s alphabetically"};
const TMessageEntry QMComesWithOrBefore{"_QMComesWithOrBefore",
                                        u"%s comes with or before %s alphabetically"};
const TMessageEntry QMCompute{"_QMCompute", u"Compute"};
const TMessageEntry QMConcgramList{"_QMConcgramList", u"QMConcgram List"};
const TMessageEntry QMConcordanceClusterList{"_QMConcordanceClusterList",
                                             u"Concordance Cluster List"};
const TMessageEntry QMConcordanceList{"_QMConcordanceList", u"Concordance list"};
const TMessageEntry QMConcordancePatternList{"_QMConcordancePatternList",
                                             u"Concordance Pattern List"};
const TMessageEntry QMConcordancePlotList{"_QMConcordancePlotList", u"Concordance Plot list"};
const TMessageEntry QMConcordances{"_QMConcordances", u"concordances"};
const TMessageEntry QMConfirmation{"_QMConfirmation", u"Confirmation"};
const TMessageEntry QMContextualFrequency{"_QMContextualFrequency", u"Contextual frequency"};
const TMessageEntry QMContextWord{"_QMContextWord", u"Context word"};
const TMessageEntry QMContextWordColour{"_QMContextWordColour", u"context word"};
const TMessageEntry QMContextWordOccurrences{"_QMContextWordOccurrences",
                                             u"context word occurrences"};
const TMessageEntry QMContextWords{"_QMContextWords", u"context words"};
const TMessageEntry QMCustom{"_QMCustom", u"custom"};
const TMessageEntry QMData{"_QMData", u"data field"};
const TMessageEntry QMDate{"_QMDate", u"Date"};
const TMessageEntry QMDays{"_QMDays", u"days"};
const TMessageEntry QMDecades{"_QMDecades", u"decades"};
const TMessageEntry QMDelete{"_QMDelete", u"Delete"};
const TMessageEntry QMDeleteAllXFilesInY{"_QMDeleteAllXFilesInY", u"Delete all %d %s files in %s?"};
const TMessageEntry QMDeletedColour{"_QMDeletedColour", u"deleted"};
const TMessageEntry QMDeleteEntriesIfX{"_QMDeleteEntriesIfX", u"Delete entries if %s"};
const TMessageEntry QMDeleteIf{"_QMDeleteIf", u"Delete If"};
const TMessageEntry QMDeleteThe1XFileInY{"_QMDeleteThe1XFileInY", u"Delete the one %s file in %s?"};
const TMessageEntry QMDeleteXQ{"_QMDeleteXQ", u"Delete %s?"};
const TMessageEntry QMDetailedConsistency{"_QMDetailedConsistency", u"Detailed consistency"};
const TMessageEntry QMDetailedConsistencyList{"_QMDetailedConsistencyList",
                                              u"Detailed Consistency List"};
const TMessageEntry QMDetailedConsistencyRelationsList{"_QMDetailedConsistencyRelationsList",
                                                       u"Detailed Consistency Relations List"};
const TMessageEntry QMDice{"_QMDice", u"Dice"};
const TMessageEntry QMDiceCoefficient{"_QMDiceCoefficient", u"Dice coefficient"};
const TMessageEntry QMDifferentTextsCanBeChosenForTools{
    "_QMDifferentTextsCanBeChosenForTools", u"Different texts can be chosen for the various Tools"};
const TMessageEntry QMDiv{"_QMDiv", u"<div# *>"};
const TMessageEntry QMDiv1{"_QMDiv1", u"</div>"};
const TMessageEntry QMdo{"_QMdo", u"do"};
const TMessageEntry QMEdit{"_QMEdit", u"Edit"};
const TMessageEntry QMEditXQ{"_QMEditXQ", u"Edit %s?"};
const TMessageEntry QMEndsWith{"_QMEndsWith", u"%s ends with %s"};
const TMessageEntry QMEnter{"_QMEnter", u"<Enter>"};
const TMessageEntry QMEquals{"_QMEquals", u"%s = %s"};
const TMessageEntry QMEtc{"_QMEtc", u"etc."};
const TMessageEntry QMEveryTimeQMStarts{"_QMEveryTimeQMStarts", u"when starting QM"};
const TMessageEntry QMExcelSpreadSheet{"_QMExcelSpreadSheet", u"Excel spreadsheet"};
const TMessageEntry QMFalse{"_QMFalse", u"false"};
const TMessageEntry QMFileAlreadyExists{"_QMFileAlreadyExists", u"File(s) already found there."};
const TMessageEntry QMFilename{"_QMFilename", u"Filename"};
const TMessageEntry QMFilenameList{"_QMFilenameList", u"Filename List"};
const TMessageEntry QMFilePercent{"_QMFilePercent", u"File %"};
const TMessageEntry QMFileReadError{"_QMFileReadError", u"file read error : %s"};
const TMessageEntry QMFilesX{"_QMFilesX", u"Files %s"};
const TMessageEntry QMFloatGBytes{"_QMFloatGBytes", u"%.2n Gb"};
const TMessageEntry QMFloatKBytes{"_QMFloatKBytes", u"%.2n Kb"};
const TMessageEntry QMFloatMBytes{"_QMFloatMBytes", u"%.2n Mb"};
const TMessageEntry QMFloatTBytes{"_QMFloatTBytes", u"%.2n Tb"};
const TMessageEntry QMForegroundText{"_QMForegroundText", u"text"};
const TMessageEntry QMFoundAnywhereIn{"_QMFoundAnywhereIn", u"%s found anywhere in %s"};
const TMessageEntry QMFoundIn{"_QMFoundIn", u"%s found in %s"};
const TMessageEntry QMFoundWithinNWordsLeftOf{"_QMFoundWithinNWordsLeftOf",
                                              u"%s found in %s within %d words left of %s"};
const TMessageEntry QMFoundWithinNWordsOf{"_QMFoundWithinNWordsOf",
                                          u"%s found in %s within %d words of %s"};
const TMessageEntry QMFoundWithinNWordsRightOf{"_QMFoundWithinNWordsRightOf",
                                               u"%s found in %s within %d words right of %s"};
const TMessageEntry QMGigabyte{"_QMGigabyte", u"Gb"};
const TMessageEntry QMGreaterOrEquals{"_QMGreaterOrEquals", u"%s is greater or = %s"};
const TMessageEntry QMH{"_QMH", u"<h#>"};
const TMessageEntry QMH1{"_QMH1", u"</h#>"};
const TMessageEntry QMHead{"_QMHead", u"<head>"};
const TMessageEntry QMHead1{"_QMHead1", u"</head>"};
const TMessageEntry QMHeadingEndMarkedBy{"_QMHeadingEndMarkedBy", u"heading end marked: %s"};
const TMessageEntry QMHeadingNumber{"_QMHeadingNumber", u"Heading number"};
const TMessageEntry QMHeadingPosition{"_QMHeadingPosition", u"Heading position"};
const TMessageEntry QMHeadingStartMarkedBy{"_QMHeadingStartMarkedBy", u"heading start marked: %s"};
const TMessageEntry QMHelp{"_QMHelp", u"Help"};
const TMessageEntry QMHelpFileIs{"_QMHelpFileIs", u"Help file is %s"};
const TMessageEntry QMHighlightedCollocate{"_QMHighlightedCollocate", u"Highlighted collocate"};
const TMessageEntry QMHours{"_QMHours", u"hours"};
const TMessageEntry QMIgnore{"_QMIgnore", u"ignore"};
const TMessageEntry QMInches{"_QMInches", u"inches"};
const TMessageEntry QMIncludeHeadersAndHeadings{"_QMIncludeHeadersAndHeadings",
                                                u"include heading and any rows above"};
const TMessageEntry QMIncludeHeadings{"_QMIncludeHeadings", u"include heading row"};
const TMessageEntry QMIsAJoinedHead{"_QMIsAJoinedHead", u"item heads a joined group"};
const TMessageEntry QMIsAJoinedMember{"_QMIsAJoinedMember", u"item is a member of a joined group"};
const TMessageEntry QMIsAMarkedEntry{"_QMIsAMarkedEntry", u"item is marked"};
const TMessageEntry QMIsAMatchedEntry{"_QMIsAMatchedEntry", u"item is matched"};
const TMessageEntry QMJoin{"_QMJoin", u"Join"};
const TMessageEntry QMJoinAll{"_QMJoinAll", u"Join all"};
const TMessageEntry QMJoined{"_QMJoined", u"joined"};
const TMessageEntry QMJoinXQ{"_QMJoinXQ", u"Join %s?"};
const TMessageEntry QMKeyWordDatabase{"_QMKeyWordDatabase", u"Keywords Database"};
const TMessageEntry QMKeyWordDatabaseAsWordlist{"_QMKeyWordDatabaseAsWordlist",
                                                u"KWDBase as WordList"};
const TMessageEntry QMKeywordLinks{"_QMKeywordLinks", u"key word links"};
const TMessageEntry QMKeyWordList{"_QMKeyWordList", u"Key word list"};
const TMessageEntry QMKeywords{"_QMKeywords", u"key words"};
const TMessageEntry QMKeyWordsAsWordlist{"_QMKeyWordsAsWordlist", u"KeyWords as WordList"};
const TMessageEntry QMKeyWordsClusterList{"_QMKeyWordsClusterList", u"KeyWords Cluster list"};
const TMessageEntry QMKeyWordsPlotList{"_QMKeyWordsPlotList", u"KeyWords Plot list"};
const TMessageEntry QMKilobyte{"_QMKilobyte", u"Kb"};
const TMessageEntry QML{"_QML", u"L"};
const TMessageEntry QML1{"_QML1", u"L1"};
const TMessageEntry QML2{"_QML2", u"L2"};
const TMessageEntry QML3{"_QML3", u"L3"};
const TMessageEntry QML4{"_QML4", u"L4"};
const TMessageEntry QML5{"_QML5", u"L5"};
const TMessageEntry QMLandscape{"_QMLandscape", u"landscape"};
const TMessageEntry QMLanguage{"_QMLanguage", u"language"};
const TMessageEntry QMLeft{"_QMLeft", u"Left"};
const TMessageEntry QMLessOrEquals{"_QMLessOrEquals", u"%s is less than or = %s"};
const TMessageEntry QMLineFeed{"_QMLineFeed", u"<line-feed>"};
const TMessageEntry QMLinkList{"_QMLinkList", u"Link List"};
const TMessageEntry QMLoadCaption{"_QMLoadCaption", u"Load"};
const TMessageEntry QMLoadingX{"_QMLoadingX", u"loading %s"};
const TMessageEntry QMLogLikelihood{"_QMLogLikelihood", u"Log likelihood"};
const TMessageEntry QMLogRatio{"_QMLogRatio", u"Log ratio"};
const TMessageEntry QMMainFiles{"_QMMainFiles", u"%s main files"};
const TMessageEntry QMMainSortWordColour{"_QMMainSortWordColour", u"main sort word"};
const TMessageEntry QMMark{"_QMMark", u"Mark"};
const TMessageEntry QMMarkedHead{"_QMMarkedHead", u"mark (head)"};
const TMessageEntry QMMarkedMember{"_QMMarkedMember", u"mark (member)"};
const TMessageEntry QMMarkupList{"_QMMarkupList", u"Markup List"};
const TMessageEntry QMMatch{"_QMMatch", u"Match"};
const TMessageEntry QMMatched{"_QMMatched", u"matched"};
const TMessageEntry QMMatchXQ{"_QMMatchXQ", u"Match %s?"};
const TMessageEntry QMMax{"_QMMax", u"Max"};
const TMessageEntry QMMean{"_QMMean", u"Mean"};
const TMessageEntry QMMegabyte{"_QMMegabyte", u"Mb"};
const TMessageEntry QMMergeXwithY{"_QMMergeXwithY", u"merge %s with %s"};
const TMessageEntry QMMI{"_QMMI", u"MI3"};
const TMessageEntry QMMillennia{"_QMMillennia", u"millennia"};
const TMessageEntry QMMin{"_QMMin", u"Min"};
const TMessageEntry QMMonthly{"_QMMonthly", u"monthly"};
const TMessageEntry QMMonths{"_QMMonths", u"months"};
const TMessageEntry QMMostFreqCollocColour{"_QMMostFreqCollocColour", u"most frequent collocate"};
const TMessageEntry QMMutualInformation{"_QMMutualInformation", u"mutual information"};
const TMessageEntry QMMutualINformationList{"_QMMutualINformationList", u"Mutual Information List"};
const TMessageEntry QMN{"_QMN", u"N"};
const TMessageEntry QMNBytes{"_QMNBytes", u"%.0n bytes"};
const TMessageEntry QMNever{"_QMNever", u"never"};
const TMessageEntry QMNGBytes{"_QMNGBytes", u"%.0n Gb"};
const TMessageEntry QMNKBytes{"_QMNKBytes", u"%.0n Kb"};
const TMessageEntry QMNMBytes{"_QMNMBytes", u"%.0n Mb"};
const TMessageEntry QMNo{"_QMNo", u"No"};
const TMessageEntry QMNone{"_QMNone", u"none"};
const TMessageEntry QMNormalColour{"_QMNormalColour", u"normal text"};
const TMessageEntry QMNoSentencesFound{"_QMNoSentencesFound", u"no sentences found"};
const TMessageEntry QMNotes{"_QMNotes", u"Notes"};
const TMessageEntry QMNotMarked{"_QMNotMarked", u"(not marked)"};
const TMessageEntry QMNotX{"_QMNotX", u"NOT (%s)"};
const TMessageEntry QMNoValidColumns{"_QMNoValidColumns", u"no valid columns"};
const TMessageEntry QMNTBytes{"_QMNTBytes", u"%.0n Tb"};
const TMessageEntry QMOnlyMbSpaceOnDriveDProceed{"_QMOnlyMbSpaceOnDriveDProceed",
                                                 u"Only %dMb space left on %s -- Proceed?"};
const TMessageEntry QMOpeningX{"_QMOpeningX", u"showing %s"};
const TMessageEntry QMOverlapCoefficient{"_QMOverlapCoefficient", u"Overlap coefficient"};
const TMessageEntry QMOverwriteXQ{"_QMOverwriteXQ", u"Overwrite %s?"};
const TMessageEntry QMOverwriteXWithBackupQ{"_QMOverwriteXWithBackupQ",
                                            u"Overwrite %s (with backup)?"};
const TMessageEntry QMP{"_QMP", u"<p>"};
const TMessageEntry QMP1{"_QMP1", u"</p>"};
const TMessageEntry QMPageTabNumber{"_QMPageTabNumber", u"Going to tab number %d"};
const TMessageEntry QMParagraphEndMarkedBy{"_QMParagraphEndMarkedBy", u"paragraph end marked: %s"};
const TMessageEntry QMParagraphNumber{"_QMParagraphNumber", u"Paragraph number"};
const TMessageEntry QMParagraphPosition{"_QMParagraphPosition", u"Paragraph position"};
const TMessageEntry QMParagraphStartMarkedBy{"_QMParagraphStartMarkedBy",
                                             u"paragraph start marked: %s"};
const TMessageEntry QMPatterns{"_QMPatterns", u"patterns"};
const TMessageEntry QMPixels{"_QMPixels", u"pixels"};
const TMessageEntry QMPleaseSpecifyFrequencyOf{"_QMPleaseSpecifyFrequencyOf",
                                               u"Please specify the frequency of %s"};
const TMessageEntry QMPLotData{"_QMPLotData", u"plot data -- double-click for detail"};
const TMessageEntry QMPLotMargins{"_QMPLotMargins", u"plot margins"};
const TMessageEntry QMPlotMarks{"_QMPlotMarks", u"plot marks"};
const TMessageEntry QMPlots{"_QMPlots", u"plots"};
const TMessageEntry QMPortrait{"_QMPortrait", u"portrait"};
const TMessageEntry QMProcedureEquals{"_QMProcedureEquals", u"procedure: %s"};
const TMessageEntry QMQuillmark{"_QMQuillmark", u"Quillmark"};
const TMessageEntry QMQuillmarkTools{"_QMQuillmarkTools", u"Quillmark Tools"};
const TMessageEntry QMR{"_QMR", u"R"};
const TMessageEntry QMR1{"_QMR1", u"R1"};
const TMessageEntry QMR2{"_QMR2", u"R2"};
const TMessageEntry QMR3{"_QMR3", u"R3"};
const TMessageEntry QMR4{"_QMR4", u"R4"};
const TMessageEntry QMR5{"_QMR5", u"R5"};
const TMessageEntry QMRankOrders{"_QMRankOrders", u"rank orders"};
const TMessageEntry QMRedo{"_QMRedo", u"Re%s"};
const TMessageEntry QMReferenceCorpus{"_QMReferenceCorpus", u"reference corpus"};
const TMessageEntry QMRestoreDefaultColoursFor{"_QMRestoreDefaultColoursFor",
                                               u"restore default colours for %s"};
const TMessageEntry QMRight{"_QMRight", u"Right"};
const TMessageEntry QMRulermarks{"_QMRulermarks", u"ruler marks"};
const TMessageEntry QMS{"_QMS", u"<s>"};
const TMessageEntry QMS1{"_QMS1", u"</s>"};
const TMessageEntry QMSameColoursChosen{"_QMSameColoursChosen",
                                        u"Same colours chosen for %s and %s"};
const TMessageEntry QMSaveAsExcel{"_QMSaveAsExcel", u"Save as Excel spreadsheet"};
const TMessageEntry QMSaveAsOther{"_QMSaveAsOther", u"Save as %s file"};
const TMessageEntry QMSaveAsPlainText{"_QMSaveAsPlainText", u"Save as Plain Text"};
const TMessageEntry QMSaveasRTF{"_QMSaveasRTF", u"Save as .RTF document"};
const TMessageEntry QMSaveAsXML{"_QMSaveAsXML", u"Save as XML"};
const TMessageEntry QMSaving{"_QMSaving", u"saving"};
const TMessageEntry QMSd{"_QMSd", u"Sd."};
const TMessageEntry QMSearchWordColour{"_QMSearchWordColour", u"search word"};
const TMessageEntry QMSecondSortWordColour{"_QMSecondSortWordColour", u"2nd sort word"};
const TMessageEntry QMSectionEndMarkedBy{"_QMSectionEndMarkedBy", u"section end marked: %s"};
const TMessageEntry QMSectionList{"_QMSectionList", u"Section List"};
const TMessageEntry QMSectionN{"_QMSectionN", u"section %d"};
const TMessageEntry QMSectionNumber{"_QMSectionNumber", u"Section number"};
const TMessageEntry QMSectionPosition{"_QMSectionPosition", u"Section position"};
const TMessageEntry QMSectionStartMarkedBy{"_QMSectionStartMarkedBy", u"section start marked: %s"};
const TMessageEntry QMSegmentN{"_QMSegmentN", u"%d/%d"};
const TMessageEntry QMSelect{"_QMSelect", u"Select"};
const TMessageEntry QMSelectedText{"_QMSelectedText", u"selected text"};
const TMessageEntry QMSelectFolder{"_QMSelectFolder", u"Select Folder"};
const TMessageEntry QMSentenceEndMarkedBy{"_QMSentenceEndMarkedBy", u"sentence end marked: %s"};
const TMessageEntry QMSentenceMarkersNotFound{
    "_QMSentenceMarkersNotFound", u"sentence statistics wrong because markers %s and %s not found"};
const TMessageEntry QMSentenceNumber{"_QMSentenceNumber", u"Sentence number"};
const TMessageEntry QMSentencePosition{"_QMSentencePosition", u"Sentence position"};
const TMessageEntry QMSentenceStartMarkedBy{"_QMSentenceStartMarkedBy",
                                            u"sentence start marked: %s"};
const TMessageEntry QMSet{"_QMSet", u"Set"};
const TMessageEntry QMSetNumber{"_QMSetNumber", u"Set %d"};
const TMessageEntry QMSetOrder{"_QMSetOrder", u"Set order"};
const TMessageEntry QMSettings{"_QMSettings", u"Settings"};
const TMessageEntry QMSettingUpColoursAndMenu{"_QMSettingUpColoursAndMenu",
                                              u"Setting up colours and menu"};
const TMessageEntry QMShow{"_QMShow", u"Show"};
const TMessageEntry QMSort{"_QMSort", u"Sort"};
const TMessageEntry QMSortTriangle{"_QMSortTriangle", u"sort triangle"};
const TMessageEntry QMSourceText{"_QMSourceText", u"source text"};
const TMessageEntry QMSpace{"_QMSpace", u"space"};
const TMessageEntry QMSpaceFiles{"_QMSpaceFiles", u" files"};
const TMessageEntry QMSpare{"_QMSpare", u"spare"};
const TMessageEntry QMSpecificMutualInfo{"_QMSpecificMutualInfo", u"Specific Mutual Information"};
const TMessageEntry QMStartingATool{"_QMStartingATool", u"Quillmark asking %s to start up"};
const TMessageEntry QMStartsWith{"_QMStartsWith", u"%s starts with %s"};
const TMessageEntry QMStatistics{"_QMStatistics", u"statistics"};
const TMessageEntry QMStatisticsList{"_QMStatisticsList", u"Statistics List"};
const TMessageEntry QMStatsFieldsWanted{"_QMStatsFieldsWanted", u"statistics fields wanted"};
const TMessageEntry QMStudyWordlist{"_QMStudyWordlist", u"study word list"};
const TMessageEntry QMSureQ{"_QMSureQ", u"Sure?"};
const TMessageEntry QMTab{"_QMTab", u"<Tab>"};
const TMessageEntry QMTagColour{"_QMTagColour", u"tags"};
const TMessageEntry QMTagDistance{"_QMTagDistance", u"Tag distance"};
const TMessageEntry QMTagOrder{"_QMTagOrder", u"Tag order"};
const TMessageEntry QMTerabyte{"_QMTerabyte", u"Terabytes"};
const TMessageEntry QMTestWhetherTip{
    "_QMTestWhetherTip",
    u"Choose data column(s), search condition(s); press Add a Search; press Find"};
const TMessageEntry QMTextFileStatisticsNeededForX{"_QMTextFileStatisticsNeededForX",
                                                   u"text file statistics needed for %s"};
const TMessageEntry QMTextList{"_QMTextList", u"Text List"};
const TMessageEntry QMThan{"_QMThan", u"than"};
const TMessageEntry QMThirdSortWordColour{"_QMThirdSortWordColour", u"3rd sort word"};
const TMessageEntry QMTimeLineData{"_QMTimeLineData", u"time-line data"};
const TMessageEntry QMTimelineGraphBlob1{"_QMTimelineGraphBlob1", u"timeline hits blob"};
const TMessageEntry QMTimelineGraphBlob2{"_QMTimelineGraphBlob2", u"timeline quantity blob"};
const TMessageEntry QMTimelineGraphColour1{"_QMTimelineGraphColour1", u"timeline hits line"};
const TMessageEntry QMTimelineGraphColour2{"_QMTimelineGraphColour2", u"timeline quantity line"};
const TMessageEntry QMTimelineHorizDivider{"_QMTimelineHorizDivider", u"timeline horiz divider"};
const TMessageEntry QMTimeLineList{"_QMTimeLineList", u"Timeline List"};
const TMessageEntry QMTimelineQuantityFill{"_QMTimelineQuantityFill", u"timeline quantity fill"};
const TMessageEntry QMTimelines{"_QMTimelines", u"time-lines"};
const TMessageEntry QMTimelineYearDivider{"_QMTimelineYearDivider", u"timeline year divider"};
const TMessageEntry QMTotal{"_QMTotal", u"Total"};
const TMessageEntry QMTotalN{"_QMTotalN", u"total=%d"};
const TMessageEntry QMTrue{"_QMTrue", u"true"};
const TMessageEntry QMTScore{"_QMTScore", u"T Score"};
const TMessageEntry QMTypeIn{"_QMTypeIn", u"Type-in"};
const TMessageEntry QMUndefinedTimeLineBasis{"_QMUndefinedTimeLineBasis",
                                             u"time line basis is undefined"};
const TMessageEntry QMUndo{"_QMUndo", u"Un%s"};
const TMessageEntry QMUnknown{"_QMUnknown", u"unknown"};
const TMessageEntry QMUnloading{"_QMUnloading", u"unloading"};
const TMessageEntry QMUserReadWriteFolderIsWrong{"_QMUserReadWriteFolderIsWrong",
                                                 u"%s not found or its folder must allow writing"};
const TMessageEntry QMValue{"_QMValue", u"value"};
const TMessageEntry QMViewerList{"_QMViewerList", u"Viewer List"};
const TMessageEntry QMViewTextKeyWordsColour{"_QMViewTextKeyWordsColour",
                                             u"viewing texts keywords"};
const TMessageEntry QMViewTextsColour{"_QMViewTextsColour", u"viewing texts"};
const TMessageEntry QMWeekly{"_QMWeekly", u"weekly"};
const TMessageEntry QMWeeks{"_QMWeeks", u"weeks"};
const TMessageEntry QMWhatsThis{"_QMWhatsThis", u"What's this?"};
const TMessageEntry QMWholeConcLine{"_QMWholeConcLine", u"Whole concordance line"};
const TMessageEntry QMWontFitColour{"_QMWontFitColour", u"data won't fit column"};
const TMessageEntry QMWordcloud_boxcolour{"_QMWordcloud_boxcolour", u"word-cloud shape line"};
const TMessageEntry QMwordcloud_windowcolour{"_QMwordcloud_windowcolour", u"word-cloud window"};
const TMessageEntry QMWordcloud_wordcolour{"_QMWordcloud_wordcolour", u"word-cloud word"};
const TMessageEntry QMWordDocument{"_QMWordDocument", u"Word document"};
const TMessageEntry QMWordList{"_QMWordList", u"Word list"};
const TMessageEntry QMWordListIndexList{"_QMWordListIndexList", u"Wordlist Index List"};
const TMessageEntry QMWordlists{"_QMWordlists", u"wordlists"};
const TMessageEntry QMWordNumber{"_QMWordNumber", u"Word number"};
const TMessageEntry QMXAboveY{"_QMXAboveY", u"%s is above %s"};
const TMessageEntry QMXBelowY{"_QMXBelowY", u"%s is below %s"};
const TMessageEntry QMXColumn{"_QMXColumn", u"%s column"};
const TMessageEntry QMXColumnText{"_QMXColumnText", u"%s column text"};
const TMessageEntry QMXColumnValue{"_QMXColumnValue", u"%s column value"};
const TMessageEntry QMXFiles{"_QMXFiles", u"%s files "};
const TMessageEntry QMXLength{"_QMXLength", u"length of %s"};
const TMessageEntry QMXMLData{"_QMXMLData", u"XML Data"};
const TMessageEntry QMXMLRow{"_QMXMLRow", u"XML Row"};
const TMessageEntry QMXNCopies{"_QMXNCopies", u"%s (%d copies)"};
const TMessageEntry QMXsColumnNsValue{"_QMXsColumnNsValue", u"col %d (%s) value"};
const TMessageEntry QMXsColumnsValue{"_QMXsColumnsValue", u"value of column %s"};
const TMessageEntry QMXToolMainControllerSettings{"_QMXToolMainControllerSettings",
                                                  u"%s Main Controller Settings"};
const TMessageEntry QMXToolsOpen{"_QMXToolsOpen", u"%s still open"};
const TMessageEntry QMYears{"_QMYears", u"years"};
const TMessageEntry QMYes{"_QMYes", u"Yes"};
const TMessageEntry QMYoureChoosingForXTool{"_QMYoureChoosingForXTool", u"You're choosing for %s"};
const TMessageEntry QMZap{"_QMZap", u"Zap"};
const TMessageEntry QMZapX{"_QMZapX", u"zap %s"};
const TMessageEntry QMZScore{"_QMZScore", u"Z Score"};

namespace {

// Ordered by name (byte order), for binary search.
const TMessageEntry* const kEntries[] = {
    &QMAIsBetweenXandY,
    &QMActiveColumnNumberAndHeading,
    &QMAdd,
    &QMAddXQ,
    &QMAlignerList,
    &QMAssociateList,
    &QMAssociatesAsWordList,
    &QMBIC_Score,
    &QMBackground,
    &QMBasicStatistics,
    &QMBreakdown,
    &QMByte,
    &QMBytePosition,
    &QMCannotOpenClipboard,
    &QMCarriageReturn,
    &QMCentimetres,
    &QMCentre,
    &QMCenturies,
    &QMChangeQ,
    &QMChargramList,
    &QMChargrams,
    &QMCheckForUpdates,
    &QMChiSquare,
    &QMChoose,
    &QMClearCaption,
    &QMClose,
    &QMCloseQuillmark,
    &QMClosedATool,
    &QMClosing,
    &QMClosingATool,
    &QMClumpList,
    &QMClumps,
    &QMClumpsAsWordList,
    &QMClusters,
    &QMCollocate,
    &QMCollocateAssociations,
    &QMCollocateList,
    &QMCollocates,
    &QMColourCategories,
    &QMColourCategoriesTip,
    &QMComesAfter,
    &QMComesBefore,
    &QMComesWithOrAfter,
    &QMComesWithOrBefore,
    &QMCompute,
    &QMConcgramList,
    &QMConcordanceClusterList,
    &QMConcordanceList,
    &QMConcordancePatternList,
    &QMConcordancePlotList,
    &QMConcordances,
    &QMConfirmation,
    &QMContextWord,
    &QMContextWordColour,
    &QMContextWordOccurrences,
    &QMContextWords,
    &QMContextualFrequency,
    &QMCustom,
    &QMData,
    &QMDate,
    &QMDays,
    &QMDecades,
    &QMDelete,
    &QMDeleteAllXFilesInY,
    &QMDeleteEntriesIfX,
    &QMDeleteIf,
    &QMDeleteThe1XFileInY,
    &QMDeleteXQ,
    &QMDeletedColour,
    &QMDetailedConsistency,
    &QMDetailedConsistencyList,
    &QMDetailedConsistencyRelationsList,
    &QMDice,
    &QMDiceCoefficient,
    &QMDifferentTextsCanBeChosenForTools,
    &QMDiv,
    &QMDiv1,
    &QMEdit,
    &QMEditXQ,
    &QMEndsWith,
    &QMEnter,
    &QMEquals,
    &QMEtc,
    &QMEveryTimeQMStarts,
    &QMExcelSpreadSheet,
    &QMFalse,
    &QMFileAlreadyExists,
    &QMFilePercent,
    &QMFileReadError,
    &QMFilename,
    &QMFilenameList,
    &QMFilesX,
    &QMFloatGBytes,
    &QMFloatKBytes,
    &QMFloatMBytes,
    &QMFloatTBytes,
    &QMForegroundText,
    &QMFoundAnywhereIn,
    &QMFoundIn,
    &QMFoundWithinNWordsLeftOf,
    &QMFoundWithinNWordsOf,
    &QMFoundWithinNWordsRightOf,
    &QMGigabyte,
    &QMGreaterOrEquals,
    &QMH,
    &QMH1,
    &QMHead,
    &QMHead1,
    &QMHeadingEndMarkedBy,
    &QMHeadingNumber,
    &QMHeadingPosition,
    &QMHeadingStartMarkedBy,
    &QMHelp,
    &QMHelpFileIs,
    &QMHighlightedCollocate,
    &QMHours,
    &QMIgnore,
    &QMInches,
    &QMIncludeHeadersAndHeadings,
    &QMIncludeHeadings,
    &QMIsAJoinedHead,
    &QMIsAJoinedMember,
    &QMIsAMarkedEntry,
    &QMIsAMatchedEntry,
    &QMJoin,
    &QMJoinAll,
    &QMJoinXQ,
    &QMJoined,
    &QMKeyWordDatabase,
    &QMKeyWordDatabaseAsWordlist,
    &QMKeyWordList,
    &QMKeyWordsAsWordlist,
    &QMKeyWordsClusterList,
    &QMKeyWordsPlotList,
    &QMKeywordLinks,
    &QMKeywords,
    &QMKilobyte,
    &QML,
    &QML1,
    &QML2,
    &QML3,
    &QML4,
    &QML5,
    &QMLandscape,
    &QMLanguage,
    &QMLeft,
    &QMLessOrEquals,
    &QMLineFeed,
    &QMLinkList,
    &QMLoadCaption,
    &QMLoadingX,
    &QMLogLikelihood,
    &QMLogRatio,
    &QMMI,
    &QMMainFiles,
    &QMMainSortWordColour,
    &QMMark,
    &QMMarkedHead,
    &QMMarkedMember,
    &QMMarkupList,
    &QMMatch,
    &QMMatchXQ,
    &QMMatched,
    &QMMax,
    &QMMean,
    &QMMegabyte,
    &QMMergeXwithY,
    &QMMillennia,
    &QMMin,
    &QMMonthly,
    &QMMonths,
    &QMMostFreqCollocColour,
    &QMMutualINformationList,
    &QMMutualInformation,
    &QMN,
    &QMNBytes,
    &QMNGBytes,
    &QMNKBytes,
    &QMNMBytes,
    &QMNTBytes,
    &QMNever,
    &QMNo,
    &QMNoSentencesFound,
    &QMNoValidColumns,
    &QMNone,
    &QMNormalColour,
    &QMNotMarked,
    &QMNotX,
    &QMNotes,
    &QMOnlyMbSpaceOnDriveDProceed,
    &QMOpeningX,
    &QMOverlapCoefficient,
    &QMOverwriteXQ,
    &QMOverwriteXWithBackupQ,
    &QMP,
    &QMP1,
    &QMPLotData,
    &QMPLotMargins,
    &QMPageTabNumber,
    &QMParagraphEndMarkedBy,
    &QMParagraphNumber,
    &QMParagraphPosition,
    &QMParagraphStartMarkedBy,
    &QMPatterns,
    &QMPixels,
    &QMPleaseSpecifyFrequencyOf,
    &QMPlotMarks,
    &QMPlots,
    &QMPortrait,
    &QMProcedureEquals,
    &QMQuillmark,
    &QMQuillmarkTools,
    &QMR,
    &QMR1,
    &QMR2,
    &QMR3,
    &QMR4,
    &QMR5,
    &QMRankOrders,
    &QMRedo,
    &QMReferenceCorpus,
    &QMRestoreDefaultColoursFor,
    &QMRight,
    &QMRulermarks,
    &QMS,
    &QMS1,
    &QMSameColoursChosen,
    &QMSaveAsExcel,
    &QMSaveAsOther,
    &QMSaveAsPlainText,
    &QMSaveAsXML,
    &QMSaveasRTF,
    &QMSaving,
    &QMSd,
    &QMSearchWordColour,
    &QMSecondSortWordColour,
    &QMSectionEndMarkedBy,
    &QMSectionList,
    &QMSectionN,
    &QMSectionNumber,
    &QMSectionPosition,
    &QMSectionStartMarkedBy,
    &QMSegmentN,
    &QMSelect,
    &QMSelectFolder,
    &QMSelectedText,
    &QMSentenceEndMarkedBy,
    &QMSentenceMarkersNotFound,
    &QMSentenceNumber,
    &QMSentencePosition,
    &QMSentenceStartMarkedBy,
    &QMSet,
    &QMSetNumber,
    &QMSetOrder,
    &QMSettingUpColoursAndMenu,
    &QMSettings,
    &QMShow,
    &QMSort,
    &QMSortTriangle,
    &QMSourceText,
    &QMSpace,
    &QMSpaceFiles,
    &QMSpare,
    &QMSpecificMutualInfo,
    &QMStartingATool,
    &QMStartsWith,
    &QMStatistics,
    &QMStatisticsList,
    &QMStatsFieldsWanted,
    &QMStudyWordlist,
    &QMSureQ,
    &QMTScore,
    &QMTab,
    &QMTagColour,
    &QMTagDistance,
    &QMTagOrder,
    &QMTerabyte,
    &QMTestWhetherTip,
    &QMTextFileStatisticsNeededForX,
    &QMTextList,
    &QMThan,
    &QMThirdSortWordColour,
    &QMTimeLineData,
    &QMTimeLineList,
    &QMTimelineGraphBlob1,
    &QMTimelineGraphBlob2,
    &QMTimelineGraphColour1,
    &QMTimelineGraphColour2,
    &QMTimelineHorizDivider,
    &QMTimelineQuantityFill,
    &QMTimelineYearDivider,
    &QMTimelines,
    &QMTotal,
    &QMTotalN,
    &QMTrue,
    &QMTypeIn,
    &QMUndefinedTimeLineBasis,
    &QMUndo,
    &QMUnknown,
    &QMUnloading,
    &QMUserReadWriteFolderIsWrong,
    &QMValue,
    &QMViewTextKeyWordsColour,
    &QMViewTextsColour,
    &QMViewerList,
    &QMWeekly,
    &QMWeeks,
    &QMWhatsThis,
    &QMWholeConcLine,
    &QMWontFitColour,
    &QMWordDocument,
    &QMWordList,
    &QMWordListIndexList,
    &QMWordNumber,
    &QMWordcloud_boxcolour,
    &QMWordcloud_wordcolour,
    &QMWordlists,
    &QMXAboveY,
    &QMXBelowY,
    &QMXColumn,
    &QMXColumnText,
    &QMXColumnValue,
    &QMXFiles,
    &QMXLength,
    &QMXMLData,
    &QMXMLRow,
    &QMXNCopies,
    &QMXToolMainControllerSettings,
    &QMXToolsOpen,
    &QMXsColumnNsValue,
    &QMXsColumnsValue,
    &QMYears,
    &QMYes,
    &QMYoureChoosingForXTool,
    &QMZScore,
    &QMZap,
    &QMZapX,
    &QM_TMSStyleBlue,
    &QM_TMSStyleBlueAndGrey,
    &QM_TMSStyleBlueAndYellow,
    &QM_TMSStyleDarkGreyAndYellow,
    &QM_TMSStyleGrey,
    &QM_TMSStyleGreyAndGreen,
    &QM_TMSStyleLightBlue,
    &QM_TMSStyleLightGreyAndYellow,
    &QM_TMSStyleMidGreyAndYellow,
    &QM_TMSStyleOlive,
    &QM_TMSStylePink,
    &QM_TMSStyleSilverAndYellow,
    &QM_TMSStyleVeryLightBlue,
    &QMdo,
    &QMwordcloud_windowcolour,
};

// True when path is a real folder (not a link) owned by the user, with
// exactly the owner's read, write and search rights.
bool IsPrivateFolder(const std::string& path) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0) {
        return false;
    }
    return S_ISDIR(st.st_mode) && st.st_uid == geteuid() && (st.st_mode & 07777) == 0700;
}

// The base folder in its full form: links resolved, no trailing '/'.
std::string FullFolderName(std::string_view base) {
    std::string folder(base);
    char resolved[PATH_MAX];
    if (realpath(folder.c_str(), resolved) != nullptr) {
        folder = resolved;
    }
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return folder == "/" ? std::string() : folder;
}

// $TMPDIR when it names a folder by a full path, else /tmp.
std::string TemporaryFolder() {
    const char* env = std::getenv("TMPDIR");
    if (env != nullptr && env[0] == '/') {
        struct stat st {};
        if (stat(env, &st) == 0 && S_ISDIR(st.st_mode)) {
            return env;
        }
    }
    return "/tmp";
}

// The folder name as UTF-16 with a trailing '/', or empty when its bytes are
// not valid UTF-8.
std::u16string FolderText(const std::string& folder) {
    try {
        return std::filesystem::path(folder + "/").u16string();
    } catch (const std::exception&) {
        return {};
    }
}

std::u16string InitialTempPath() {
    const std::string base = TemporaryFolder();
    std::u16string path = PrivateTempFolder(base);
    if (path.empty() && base != "/tmp") {
        path = PrivateTempFolder("/tmp");
    }
    return path;
}

} // namespace

std::span<const TMessageEntry* const> Entries() {
    return kEntries;
}

const TMessageEntry* Find(std::string_view name) {
    return detail::FindInSorted(kEntries, name);
}

std::u16string PrivateTempFolder(std::string_view base) {
    if (base.empty()) {
        return {};
    }
    const std::string folder = FullFolderName(base);
    const std::string prefix = folder + "/quillmark-" + std::to_string(geteuid());
    if (mkdir(prefix.c_str(), 0700) == 0) {
        // The umask may have taken some of the owner's rights away.
        chmod(prefix.c_str(), 0700);
    }
    if (IsPrivateFolder(prefix)) {
        return FolderText(prefix);
    }
    // Someone else's, a link, or too open: never use it, make a fresh one.
    std::string name = prefix + "-XXXXXX";
    if (mkdtemp(name.data()) != nullptr && IsPrivateFolder(name)) {
        return FolderText(name);
    }
    return {};
}

std::u16string my_temp_path = InitialTempPath();

} // namespace GeneralRuntime1Const
} // namespace qm7
