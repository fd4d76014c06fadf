#include "runtime1/core/GeneralRuntime2Const.h"

namespace qm7::GeneralRuntime2Const {

const TMessageEntry QM1Entry{"_QM1Entry", u"1 entry"};
const TMessageEntry QM1Folder{"_QM1Folder", u"1 folder"};
const TMessageEntry QM1hit{"_QM1hit", u"1 hit"};
const TMessageEntry QM1LetterDifferenceRule{"_QM1LetterDifferenceRule",
                                            u"1-letter difference rule"};
const TMessageEntry QM1Text{"_QM1Text", u"1 text"};
const TMessageEntry QM2nd{"_QM2nd", u"2nd"};
const TMessageEntry QM3rd{"_QM3rd", u"3rd"};
const TMessageEntry QM4th{"_QM4th", u"4th"};
const TMessageEntry QM5th{"_QM5th", u"5th"};
const TMessageEntry QM6th{"_QM6th", u"6th"};
const TMessageEntry QM7th{"_QM7th", u"7th"};
const TMessageEntry QM8th{"_QM8th", u"8th"};
const TMessageEntry QMAbout{"_QMAbout", u"About"};
const TMessageEntry QMAbove{"_QMAbove", u"above"};
const TMessageEntry QMAction{"_QMAction", u"Action"};
const TMessageEntry QMAddingNmanyConcgramItems{"_QMAddingNmanyConcgramItems",
                                               u"adding %.0n concgram items"};
const TMessageEntry QMAddingToIndex{"_QMAddingToIndex", u"adding to index"};
const TMessageEntry QMAddingTXT{"_QMAddingTXT", u"adding .txt"};
const TMessageEntry QMAddingTxtIfNecessary{"_QMAddingTxtIfNecessary",
                                           u"adding .txt to file names where necessary"};
const TMessageEntry QMAddX{"_QMAddX", u"Add %s"};
const TMessageEntry QMAdjTab{"_QMAdjTab", u"adjust tabs"};
const TMessageEntry QMAdministratorRightsNeeded{"_QMAdministratorRightsNeeded",
                                                u"You need Administrator rights to %s for this."};
const TMessageEntry QMAll{"_QMAll", u"All"};
const TMessageEntry QMAllConversionsAreLandRBounded{
    "_QMAllConversionsAreLandRBounded",
    u"all conversions are left- and right-bounded (whole words only)"};
const TMessageEntry QMAllowedAtPosXOfWord{"_QMAllowedAtPosXOfWord",
                                          u"allowed at position %s of a word"};
const TMessageEntry QMAllPagesEqualsNPagesToPrint{"_QMAllPagesEqualsNPagesToPrint",
                                                  u"all pages = %d pages to print"};
const TMessageEntry QMAllXPresentOnDisk{"_QMAllXPresentOnDisk", u"All %.0n files present on disk"};
const TMessageEntry QMAlphabetical{"_QMAlphabetical", u"alphabetical"};
const TMessageEntry QMAlterations{"_QMAlterations", u"alterations"};
const TMessageEntry QMAlterRegistry{"_QMAlterRegistry", u"Alter the registry"};
const TMessageEntry QMAnagramsRule{"_QMAnagramsRule", u"anagrams rule"};
const TMessageEntry QMAnalyse{"_QMAnalyse", u"Analyse"};
const TMessageEntry QMAnd{"_QMAnd", u"and"};
const TMessageEntry QMAndAllSubFolders{"_QMAndAllSubFolders", u"and all sub-folders"};
const TMessageEntry QMAndAllSubFoldersExcludingAnyListedBelow{
    "_QMAndAllSubFoldersExcludingAnyListedBelow",
    u"and all sub-folders, excluding any listed below"};
const TMessageEntry QMAndSubFolders{"_QMAndSubFolders", u"and sub-folders"};
const TMessageEntry QMAndWhereTied{"_QMAndWhereTied", u"&& where tied, %s"};
const TMessageEntry QMAndZipFiles{"_QMAndZipFiles", u"and zip files"};
const TMessageEntry QMAnsi{"_QMAnsi", u"ANSI"};
const TMessageEntry QMAnyAdvancedSettingsAreGreyedOut{"_QMAnyAdvancedSettingsAreGreyedOut",
                                                      u"Any advanced settings are greyed out"};
const TMessageEntry QMANYINTHISLIST{"_QMANYINTHISLIST", u"ANY IN THIS LIST"};
const TMessageEntry QMAnyOfTheItemsContainedInTheList{"_QMAnyOfTheItemsContainedInTheList",
                                                      u"any of the items contained in the list"};
const TMessageEntry QMAnyScoringAtLeastX{"_QMAnyScoringAtLeastX", u"any scoring at least %s"};
const TMessageEntry QMAnyScriptsRemoved{"_QMAnyScriptsRemoved", u"any scripts removed"};
const TMessageEntry QMAnyTool{"_QMAnyTool", u"any Tool"};
const TMessageEntry QMAnyUTFFiles{"_QMAnyUTFFiles", u"any UTF files"};
const TMessageEntry QMAnywhere{"_QMAnywhere", u"anywhere"};
const TMessageEntry QMAnywhereInEachText{"_QMAnywhereInEachText", u"anywhere in each text"};
const TMessageEntry QMApproxXTimeToGo{"_QMApproxXTimeToGo", u"approx. %s to go"};
const TMessageEntry QMAreYouConcordancin{"_QMAreYouConcordancin",
                                         u"Are you concordancing on tags?"};
const TMessageEntry QMAreYouSureYouWantTo{"_QMAreYouSureYouWantTo",
                                          u"Are you sure you want to %s?"};
const TMessageEntry QMAssociatedOfS{"_QMAssociatedOfS", u"associates of %s"};
const TMessageEntry QMAssociateProcedure{"_QMAssociateProcedure", u"associate procedure"};
const TMessageEntry QMAssociates{"_QMAssociates", u"associates"};
const TMessageEntry QMAutomaticallyLoaded{"_QMAutomaticallyLoaded", u"automatically loaded"};
const TMessageEntry QMAutoSaving{"_QMAutoSaving", u"auto-saving"};
const TMessageEntry QMBadExpression{"_QMBadExpression", u"bad expression"};
const TMessageEntry QMBasedOnNmanyFiles{"_QMBasedOnNmanyFiles", u"based on %.0n files"};
const TMessageEntry QMBasedOnStr{"_QMBasedOnStr", u"based on"};
const TMessageEntry QMBaseIndexIsFaulty{"_QMBaseIndexIsFaulty", u"The base index is faulty"};
const TMessageEntry QMBasicMode{"_QMBasicMode", u"basic mode"};
const TMessageEntry QMBatchN{"_QMBatchN", u"batch %d"};
const TMessageEntry QMBatchXZipname{"_QMBatchXZipname", u"batch %s.zip"};
const TMessageEntry QMBeAwareNetworkIsSlow{"_QMBeAwareNetworkIsSlow",
                                           u"Be aware: network access is slow"};
const TMessageEntry QMBeforeX{"_QMBeforeX", u"before %s"};
const TMessageEntry QMBelow{"_QMBelow", u"below"};
const TMessageEntry QMBelowCollocMinFreq{"_QMBelowCollocMinFreq",
                                         u"below the minimum collocate frequency"};
const TMessageEntry QMBetweenXandY{"_QMBetweenXandY", u"between %s and %s"};
const TMessageEntry QMBewareAllPagesEqualsNPagesToPrint{"_QMBewareAllPagesEqualsNPagesToPrint",
                                                        u"Beware: all pages = %d pages to print"};
const TMessageEntry QMBoilerplate{"_QMBoilerplate", u"boilerplate"};
const TMessageEntry QMBotX{"_QMBotX", u"bottom %s"};
const TMessageEntry QMBracketingTagNotWord{"_QMBracketingTagNotWord", u"bracketing tag, not word"};
const TMessageEntry QMBracketsOnly{"_QMBracketsOnly", u"brackets only"};
const TMessageEntry QMBugReport{"_QMBugReport", u"error type= %s at %s"};
const TMessageEntry QMBuildingSubFolders{"_QMBuildingSubFolders", u"building sub-folders"};
const TMessageEntry QMButNot{"_QMButNot", u"but not"};
const TMessageEntry QMButtons{"_QMButtons", u"buttons"};
const TMessageEntry QMBytePositions{"_QMBytePositions", u"byte positions"};
const TMessageEntry QMCannotCommunicateW{"_QMCannotCommunicateW", u"Cannot communicate with "};
const TMessageEntry QMCannotComputeBecauseMultipleSourceTexts{
    "_QMCannotComputeBecauseMultipleSourceTexts",
    u"Cannot compute this because it is based on multiple source texts"};
const TMessageEntry QMCannotComputeXIfLangsDiffer{"_QMCannotComputeXIfLangsDiffer",
                                                  u"Can't compute %s if languages differ"};
const TMessageEntry QMCannotEncryptWithoutEncryptStr{
    "_QMCannotEncryptWithoutEncryptStr", u"Cannot encrypt without an encryption password"};
const TMessageEntry QMCannotProceedAsSo{"_QMCannotProceedAsSo", u"Cannot proceed as things are"};
const TMessageEntry QMCannotWriteToX{"_QMCannotWriteToX", u"Cannot write to %s"};
const TMessageEntry QMCanT{"_QMCanT", u"Can't"};
const TMessageEntry QMCantAccessFile{"_QMCantAccessFile", u"Can't access file, error = %d"};
const TMessageEntry QMCantChooseZScoreForKWDBase{"_QMCantChooseZScoreForKWDBase",
                                                 u"Can't choose Z score for a key words database"};
const TMessageEntry QMCanTCompareWithT{"_QMCanTCompareWithT", u"Can't compare with the same file"};
const TMessageEntry QMCanTDeleteColumn{"_QMCanTDeleteColumn", u"Can't delete column %d (%s)"};
const TMessageEntry QMCanTEditColumn{"_QMCanTEditColumn", u"Can't edit column %d"};
const TMessageEntry QMCanTMergeWithSam{"_QMCanTMergeWithSam", u"Can't merge with same file"};
const TMessageEntry QMCantReadFile{"_QMCantReadFile", u"Can't read file"};
const TMessageEntry QMCantSortOnContex{"_QMCantSortOnContex", u"Can't sort on context word"};
const TMessageEntry QMCapitalising{"_QMCapitalising", u"capitalising"};
const TMessageEntry QMCaseSensitive{"_QMCaseSensitive", u"case sensitive"};
const TMessageEntry QMCategory{"_QMCategory", u"Category"};
const TMessageEntry QMCentre{"_QMCentre", u"Centre"};
const TMessageEntry QMChangeLanguageAway{"_QMChangeLanguageAway",
                                         u"Change Language away from %s (%s)?"};
const TMessageEntry QMChangeLanguageFromXToY{"_QMChangeLanguageFromXToY",
                                             u"Change Language from %s  to %s?"};
const TMessageEntry QMChangeSelection{"_QMChangeSelection", u"Change selection"};
const TMessageEntry QMCharacter{"_QMCharacter", u"character"};
const TMessageEntry QMCharacterEntities{"_QMCharacterEntities", u"character entities"};
const TMessageEntry QMCharacterReplacements{"_QMCharacterReplacements", u"character replacements"};
const TMessageEntry QMCharacters{"_QMCharacters", u"characters"};
const TMessageEntry QMChargram{"_QMChargram", u"chargram"};
const TMessageEntry QMCheckedColumnsWillBeShown{"_QMCheckedColumnsWillBeShown",
                                                u"Checked columns will be shown"};
const TMessageEntry QMCheckingAllWords{"_QMCheckingAllWords", u"checking all words"};
const TMessageEntry QMCheckingAllWordsBeginningWith{"_QMCheckingAllWordsBeginningWith",
                                                    u"checking all words beginning with"};
const TMessageEntry QMCheckingXOK{"_QMCheckingXOK", u"checking %s OK"};
const TMessageEntry QMChoose1Chargramlist{"_QMChoose1Chargramlist", u"Choose 1 chargram list"};
const TMessageEntry QMChoose1ConcordanceList{"_QMChoose1ConcordanceList",
                                             u"Choose 1 concordance list"};
const TMessageEntry QMChoose1KWListOrDatabase{"_QMChoose1KWListOrDatabase",
                                              u"Choose 1 key word list or database"};
const TMessageEntry QMChoose1Wordlist{"_QMChoose1Wordlist", u"Choose 1 word list"};
const TMessageEntry QMChooseACharacterNumber{"_QMChooseACharacterNumber",
                                             u"Choose a character number"};
const TMessageEntry QMChooseAConcordanceBasedOnSameSearch{
    "_QMChooseAConcordanceBasedOnSameSearch", u"Choose a concordance based on the same search"};
const TMessageEntry QMChooseADestinationFolder{"_QMChooseADestinationFolder",
                                               u"Choose a destination folder"};
const TMessageEntry QMChooseADriveAndFolder{"_QMChooseADriveAndFolder",
                                            u"Choose a drive and folder"};
const TMessageEntry QMChooseAFile{"_QMChooseAFile", u"Choose a file"};
const TMessageEntry QMChooseAMatchListAction{"_QMChooseAMatchListAction",
                                             u"Choose a match list action, please"};
const TMessageEntry QMChooseAnEndOfTextSeparator{"_QMChooseAnEndOfTextSeparator",
                                                 u"Choose an end-of-text separator"};
const TMessageEntry QMChooseAnother{"_QMChooseAnother", u"Choose another"};
const TMessageEntry QMChooseASourceTextsFolder{"_QMChooseASourceTextsFolder",
                                               u"Choose a source texts folder"};
const TMessageEntry QMChooseHeaderRowAndColumnsToMerge{
    "_QMChooseHeaderRowAndColumnsToMerge", u"Choose the header row and the columns to merge"};
const TMessageEntry QMChooseTexts{"_QMChooseTexts", u"Choose Texts"};
const TMessageEntry QMChooseTextsNow{"_QMChooseTextsNow", u"Choose texts now?"};
const TMessageEntry QMChooseTextsStr{"_QMChooseTextsStr", u"choose texts"};
const TMessageEntry QMChooseTheLanguage{"_QMChooseTheLanguage",
                                        u"Choose the language to use as a basis"};
const TMessageEntry QMChooseViewerOrAlignerFiles{"_QMChooseViewerOrAlignerFiles",
                                                 u"Choose Viewer or Aligner files"};
const TMessageEntry QMChooseWordlistIndexOfSameCorpus{
    "_QMChooseWordlistIndexOfSameCorpus", u"Choose a word list index of the same corpus"};
const TMessageEntry QMChooseWordListsAsText{"_QMChooseWordListsAsText",
                                            u"Choose word lists saved as text"};
const TMessageEntry QMChooseXColumnForData{"_QMChooseXColumnForData",
                                           u"Choose the %s column for the data"};
const TMessageEntry QMChunk{"_QMChunk", u"chunk"};
const TMessageEntry QMChunks{"_QMChunks", u"chunks"};
const TMessageEntry QMChunksRestoredAs{"_QMChunksRestoredAs", u"chunks restored as"};
const TMessageEntry QMCircle{"_QMCircle", u"circle"};
const TMessageEntry QMClear{"_QMClear", u"Clear"};
const TMessageEntry QMClearColours{"_QMClearColours", u"Clear colours"};
const TMessageEntry QMClearingAngleBracketedMarkupFirst{"_QMClearingAngleBracketedMarkupFirst",
                                                        u"clearing <angle-bracketed> markup first"};
const TMessageEntry QMClearingMarkup{"_QMClearingMarkup", u"clearing markup"};
const TMessageEntry QMClearingNmanyConcgramItems{"_QMClearingNmanyConcgramItems",
                                                 u"clearing %.0n concgram items"};
const TMessageEntry QMClearPreviousSearch{"_QMClearPreviousSearch", u"Clear previous search"};
const TMessageEntry QMClearSpacesQ{"_QMClearSpacesQ", u"Clear spaces?"};
const TMessageEntry QMClearX{"_QMClearX", u"Clear %s"};
const TMessageEntry QMClickHelpForAdvic{"_QMClickHelpForAdvic", u"Click help for advice"};
const TMessageEntry QMClickToSort{"_QMClickToSort", u"click to sort"};
const TMessageEntry QMClipboard{"_QMClipboard", u"Clipboard"};
const TMessageEntry QMClipboardPasteAsPicture{
    "_QMClipboardPasteAsPicture",
    u"data can now be pasted (paste special) as a picture; choose \"Enhanced Metafile\" format"};
const TMessageEntry QMClipboardPasteAsText{"_QMClipboardPasteAsText",
                                           u"data can now be pasted as text."};
const TMessageEntry QMCloseOrTryAgain{"_QMCloseOrTryAgain", u"Close, or try again?"};
const TMessageEntry QMCloseThisWindow{"_QMCloseThisWindow", u"Close this window"};
const TMessageEntry QMClosingDownAndRestarting{"_QMClosingDownAndRestarting",
                                               u"Closing down and re-starting"};
const TMessageEntry QMClustersCanOnlyBe{"_QMClustersCanOnlyBe",
                                        u"Clusters can only be computed from an index."};
const TMessageEntry QMClusterSize{"_QMClusterSize", u"cluster size"};
const TMessageEntry QMCode{"_QMCode", u"code"};
const TMessageEntry QMCodepageAndSort{"_QMCodepageAndSort", u"code page and sort"};
const TMessageEntry QMCodepageChange{"_QMCodepageChange", u"code page change"};
const TMessageEntry QMCollapse{"_QMCollapse", u"Collapse"};
const TMessageEntry QMCollocateHorizonsXToY{"_QMCollocateHorizonsXToY",
                                            u"collocate horizons %s to %s"};
const TMessageEntry QMCollocateRelationship{"_QMCollocateRelationship", u"collocate relationship"};
const TMessageEntry QMColourForeOnBack{"_QMColourForeOnBack", u"foreground on background"};
const TMessageEntry QMColourN{"_QMColourN", u"colour %d"};
const TMessageEntry QMColoursForX{"_QMColoursForX", u"colours for %s"};
const TMessageEntry QMColumnLayout{"_QMColumnLayout", u"Column layout"};
const TMessageEntry QMColumnsX{"_QMColumnsX", u"columns %s"};
const TMessageEntry QMComparingS1S2{"_QMComparingS1S2", u"comparing %s with %s"};
const TMessageEntry QMComputeColumnTotalsQ{"_QMComputeColumnTotalsQ", u"Compute column totals?"};
const TMessageEntry QMComputed{"_QMComputed", u"computed"};
const TMessageEntry QMComputeNewConcordance{"_QMComputeNewConcordance",
                                            u"compute a new concordance"};
const TMessageEntry QMComputingConcgramTypes{"_QMComputingConcgramTypes",
                                             u"computing concgram types"};
const TMessageEntry QMComputingX{"_QMComputingX", u"computing %s"};
const TMessageEntry QMConcgramsSaved{"_QMConcgramsSaved", u"concgrams saved"};
const TMessageEntry QMConcordance{"_QMConcordance", u"Concordance"};
const TMessageEntry QMConcordanceEntries{
    "_QMConcordanceEntries", u"Concordance entries reached your pre-set limits (%d each)"};
const TMessageEntry QMConcordanceZipfile{"_QMConcordanceZipfile", u"concordance zip file"};
const TMessageEntry QMConcordancingX{"_QMConcordancingX", u"concordancing %s"};
const TMessageEntry QMCondition{"_QMCondition", u"condition"};
const TMessageEntry QMConsistency{"_QMConsistency", u"consistency"};
const TMessageEntry QMContactingX{"_QMContactingX", u"contacting %s"};
const TMessageEntry QMContextColonOpenQuotes{"_QMContextColonOpenQuotes", u"context : \""};
const TMessageEntry QMContextPlain{"_QMContextPlain", u"context"};
const TMessageEntry QMContextWordHorizonsXToY{"_QMContextWordHorizonsXToY",
                                              u"context word horizons %s to %s"};
const TMessageEntry QMContinue{"_QMContinue", u"Continue"};
const TMessageEntry QMContinuousStopListSlow{
    "_QMContinuousStopListSlow", u"A stop list applied continuously makes processing slow"};
const TMessageEntry QMControlPlotmarksWithXNotY{"_QMControlPlotmarksWithXNotY",
                                                u"Control the plot marks with %s, not %s"};
const TMessageEntry QMConversion{"_QMConversion", u"conversion"};
const TMessageEntry QMConversionInPLace{"_QMConversionInPLace", u"conversion in place"};
const TMessageEntry QMConvert{"_QMConvert", u"Convert"};
const TMessageEntry QMConverted{"_QMConverted", u"converted"};
const TMessageEntry QMConvertedTextsHaveConversionExt{
    "_QMConvertedTextsHaveConversionExt",
    u"converted texts have the same names plus %s at the end"};
const TMessageEntry QMConvertedTo{"_QMConvertedTo", u"converted to"};
const TMessageEntry QMConvertingIntoUnicode{"_QMConvertingIntoUnicode", u"converting into Unicode"};
const TMessageEntry QMConvertingX{"_QMConvertingX", u"converting %s"};
const TMessageEntry QMConvertIntoUnicode{"_QMConvertIntoUnicode", u"convert into Unicode"};
const TMessageEntry QMConvertThem{"_QMConvertThem", u"Convert them?"};
const TMessageEntry QMConvertThemPermanently{"_QMConvertThemPermanently",
                                             u"Convert them permanently?"};
const TMessageEntry QMConvertToHeadingQ{"_QMConvertToHeadingQ", u"Convert to heading?"};
const TMessageEntry QMConvertToTXTRegardlessOfExtension{"_QMConvertToTXTRegardlessOfExtension",
                                                        u"convert to .txt regardless of extension"};
const TMessageEntry QMCopyCurrentLine{"_QMCopyCurrentLine", u"Copy current line"};
const TMessageEntry QMCopyFilesContaining{"_QMCopyFilesContaining", u"Copy files containing"};
const TMessageEntry QMCopyingToX{"_QMCopyingToX", u"copying to %s"};
const TMessageEntry QMCopyResultsToExcelToo{"_QMCopyResultsToExcelToo",
                                            u"Copy the results to Excel too?"};
const TMessageEntry QMCopySettingsFiles{"_QMCopySettingsFiles", u"Copy settings files from"};
const TMessageEntry QMCouldnTFindAnyOf{"_QMCouldnTFindAnyOf",
                                       u"Couldn't find any of the text files."};
const TMessageEntry QMCouldnTFindFileS{"_QMCouldnTFindFileS", u"Couldn't find file called %s"};
const TMessageEntry QMCouldnTFindOneOf{"_QMCouldnTFindOneOf",
                                       u"Couldn't find one of the text files, %s"};
const TMessageEntry QMCouldnTFindS{"_QMCouldnTFindS", u"Couldn't find %s"};
const TMessageEntry QMCouldnTProcess{"_QMCouldnTProcess", u"Couldn't process "};
const TMessageEntry QMCouldntRemoveFolderGoAhead{"_QMCouldntRemoveFolderGoAhead",
                                                 u"Couldn't remove the folder. Go ahead anyway?"};
const TMessageEntry QMCouldNtSaveFileInFolder{"_QMCouldNtSaveFileInFolder",
                                              u"couldn't save %s in %s"};
const TMessageEntry QMCreate{"_QMCreate", u"Create "};
const TMessageEntry QMCreating{"_QMCreating", u"creating"};
const TMessageEntry QMCRLFSWereIgnored{"_QMCRLFSWereIgnored", u"line breaks (CR/LF) were ignored"};
const TMessageEntry QMCurlyQuotesAndDashes{"_QMCurlyQuotesAndDashes", u"curly quotes and dashes"};
const TMessageEntry QMCurrentSettingsForX{"_QMCurrentSettingsForX", u"current settings for %s"};
const TMessageEntry QMCurrentSortSettings{"_QMCurrentSortSettings", u"current sort settings"};
const TMessageEntry QMCustomSort{"_QMCustomSort", u"custom sort"};
const TMessageEntry QMCut{"_QMCut", u"Cut"};
const TMessageEntry QMCutInNTexts{"_QMCutInNTexts", u"cut in %d texts"};
const TMessageEntry QMCuttingX{"_QMCuttingX", u"cutting %s"};
const TMessageEntry QMCutXCharacters{"_QMCutXCharacters", u"cut %s characters"};
const TMessageEntry QMDatabaseNTotalFiles{"_QMDatabaseNTotalFiles", u"database: %d total files"};
const TMessageEntry QMDataColumn{"_QMDataColumn", u"data column"};
const TMessageEntry QMDataCopiedToTheC{"_QMDataCopiedToTheC", u"Data copied to the clipboard"};
const TMessageEntry QMDataCopiedToTheClipboard{
    "_QMDataCopiedToTheClipboard",
    u"Data copied to the clipboard. It can be pasted as text, or (paste special) as \"Enhanced "
    u"Metafile\" which will look like an image."};
const TMessageEntry QMDataFromColumnCQ{"_QMDataFromColumnCQ", u"Data from column %s?"};
const TMessageEntry QMDataFromFirstXColumnsShowing{"_QMDataFromFirstXColumnsShowing",
                                                   u"data from the first %s columns showing"};
const TMessageEntry QMDataFromFirstXFilesShowing{"_QMDataFromFirstXFilesShowing",
                                                 u"data from the first %s files showing"};
const TMessageEntry QMDateSegmentHitsWordCount{"_QMDateSegmentHitsWordCount",
                                               u"date segment, hits, word count"};
const TMessageEntry QMDChunksCreatedInS{"_QMDChunksCreatedInS", u"%d chunks created in %s"};
const TMessageEntry QMDecrypting{"_QMDecrypting", u"decrypting"};
const TMessageEntry QMDefaultsFile{"_QMDefaultsFile", u"defaults file %s"};
const TMessageEntry QMDefaultSpecs{"_QMDefaultSpecs", u"default specifications"};
const TMessageEntry QMDefineWhereTheTop{"_QMDefineWhereTheTop", u"define where the top half ends."};
const TMessageEntry QMDeletedEntries{"_QMDeletedEntries", u"deleted entries"};
const TMessageEntry QMDeleteFilesContaining{"_QMDeleteFilesContaining", u"Delete files containing"};
const TMessageEntry QMDeleteMatches{"_QMDeleteMatches", u"Delete matches"};
const TMessageEntry QMDeleteNonMatches{"_QMDeleteNonMatches", u"Delete non-matches"};
const TMessageEntry QMDeleteS{"_QMDeleteS", u"Delete %s"};
const TMessageEntry QMDeleteXOK{"_QMDeleteXOK", u"%s deleted OK"};
const TMessageEntry QMDesktop{"_QMDesktop", u"Desktop"};
const TMessageEntry QMDesktopLink{"_QMDesktopLink", u"Desktop link"};
const TMessageEntry QMDetails{"_QMDetails", u"details"};
const TMessageEntry QMDiceCoefficientIs{
    "_QMDiceCoefficientIs",
    u"Dice coefficient, based on %d and %d types of %d or greater frequency = %1.3f"};
const TMessageEntry QMDiceCoefficients{"_QMDiceCoefficients", u"Dice coefficients"};
const TMessageEntry QMDifferentLanguages{"_QMDifferentLanguages", u"different languages"};
const TMessageEntry QMDigit{"_QMDigit", u"digit"};
const TMessageEntry QMDigits{"_QMDigits", u"digits"};
const TMessageEntry QMDispersion{"_QMDispersion", u"dispersion"};
const TMessageEntry QMDispersionDetails{"_QMDispersionDetails", u"dispersion details"};
const TMessageEntry QMDisregardingFirstNLetters{"_QMDisregardingFirstNLetters",
                                                u"disregarding the first %d letters"};
const TMessageEntry QMDivisions{"_QMDivisions", u"divisions"};
const TMessageEntry QMDocumentHeader{"_QMDocumentHeader", u"document header"};
const TMessageEntry QMDone{"_QMDone", u"done"};
const TMessageEntry QMDoneN{"_QMDoneN", u"done %d"};
const TMessageEntry QMDoubleClickConcLine{"_QMDoubleClickConcLine",
                                          u"Double-click a concordance line to see more"};
const TMessageEntry QMDoubleClicked{"_QMDoubleClicked", u"double-clicked"};
const TMessageEntry QMDoubleClickEntryForDetails{"_QMDoubleClickEntryForDetails",
                                                 u"Double-click an entry for details"};
const TMessageEntry QMDownload{"_QMDownload", u"Download"};
const TMessageEntry QMDownloadStopped{"_QMDownloadStopped", u"download stopped"};
const TMessageEntry QMDoYouWantToX{"_QMDoYouWantToX", u"Do you want to %s?"};
const TMessageEntry QMDoYouWantToXorY{"_QMDoYouWantToXorY", u"Do you want to %s or %s?"};
const TMessageEntry QMDTagsHandled{"_QMDTagsHandled", u"%d tags handled"};
const TMessageEntry QMDuplicates{"_QMDuplicates", u"duplicates"};
const TMessageEntry QMEachRulerDivisionIsNmanyWords{"_QMEachRulerDivisionIsNmanyWords",
                                                    u"each ruler division is %.0n words"};
const TMessageEntry QMEditLineQ{"_QMEditLineQ", u"Edit line?"};
const TMessageEntry QMEllipse{"_QMEllipse", u"ellipse"};
const TMessageEntry QMEmptyFile{"_QMEmptyFile", u"%s is empty"};
const TMessageEntry QMEmptyLine{"_QMEmptyLine", u"empty line"};
const TMessageEntry QMEmptyPrintPreview{"_QMEmptyPrintPreview", u"The print preview is empty"};
const TMessageEntry QMEncryptCopiesOnly{"_QMEncryptCopiesOnly", u"encrypt copies only"};
const TMessageEntry QMEncrypting{"_QMEncrypting", u"encrypting"};
const TMessageEntry QMEnd{"_QMEnd", u"End"};
const TMessageEntry QMEndLettersToIgnore{"_QMEndLettersToIgnore", u"end letters to ignore"};
const TMessageEntry QMEndOfTextSeparatorMustntStartWild{
    "_QMEndOfTextSeparatorMustntStartWild",
    u"The end-of-text separator mustn't start with a wildcard"};
const TMessageEntry QMEnhancedMetafile{"_QMEnhancedMetafile", u"Enhanced Metafile"};
const TMessageEntry QMEnterNOfFrozenColumns{"_QMEnterNOfFrozenColumns",
                                            u"Enter the number of frozen columns"};
const TMessageEntry QMEnterSetData{"_QMEnterSetData", u"Enter the Set data"};
const TMessageEntry QMEnterTagDividerCharacter{"_QMEnterTagDividerCharacter",
                                               u"Enter the tag divider character"};
const TMessageEntry QMEntriesNowInList{"_QMEntriesNowInList", u"entries now in the list"};
const TMessageEntry QMEpisode{"_QMEpisode", u"episode"};
const TMessageEntry QMError{"_QMError", u"Error"};
const TMessageEntry QMErrorConcordance{"_QMErrorConcordance", u"error concordancing"};
const TMessageEntry QMEscapePressed{"_QMEscapePressed", u"Escape pressed"};
const TMessageEntry QMExcelFormatTip{"_QMExcelFormatTip",
                                     u"Tip: Excel keeps numbers as numbers and text as text; set "
                                     u"the format of a column in Excel if it looks wrong"};
const TMessageEntry QMExcluding{"_QMExcluding", u"excluding"};
const TMessageEntry QMExcludingFreqHigher{
    "_QMExcludingFreqHigher",
    u"excluding any based on words whose frequency was higher than %5.3f"};
const TMessageEntry QMExcludingXPercentFreq{"_QMExcludingXPercentFreq",
                                            u"excluding %s%% frequency"};
const TMessageEntry QMExcludingXY{"_QMExcludingXY", u"excluding %s %s"};
const TMessageEntry QMExclusiveSearchTF{"_QMExclusiveSearchTF", u"exclusive search: %s"};
const TMessageEntry QMExpand{"_QMExpand", u"Expand"};
const TMessageEntry QMExpandingConcgramItemsToLevelD{"_QMExpandingConcgramItemsToLevelD",
                                                     u"expanding concgram items to level %d"};
const TMessageEntry QMExpandThisLine{"_QMExpandThisLine", u"Expand this line"};
const TMessageEntry QMExtracting{"_QMExtracting", u"extracting"};
const TMessageEntry QMExtractionStringNotSpecified{"_QMExtractionStringNotSpecified",
                                                   u"The extraction string is not specified"};
const TMessageEntry QMFactoryDefaults{"_QMFactoryDefaults", u"factory defaults"};
const TMessageEntry QMFailedToAccessInt{"_QMFailedToAccessInt", u"Failed to access the Internet"};
const TMessageEntry QMFailedToAccessInt1{
    "_QMFailedToAccessInt1", u"Failed to access the Internet. Please check your connection."};
const TMessageEntry QMFailedToAlterRegistry{"_QMFailedToAlterRegistry",
                                            u"Failed to alter the registry"};
const TMessageEntry QMFailedToCreate{"_QMFailedToCreate",
                                     u"Failed to create %s (read-only folder, perhaps?)"};
const TMessageEntry QMFailedToImport{"_QMFailedToImport", u"Failed to import"};
const TMessageEntry QMFailedToInstall{"_QMFailedToInstall",
                                      u"Failed to install (code=%d; reason: %s)"};
const TMessageEntry QMFailedToPlay{"_QMFailedToPlay", u"Failed to play"};
const TMessageEntry QMFailedToPrepareTe{"_QMFailedToPrepareTe",
                                        u"Failed to prepare text conversion"};
const TMessageEntry QMFailedToReadGrid{"_QMFailedToReadGrid", u"Failed to read the grid"};
const TMessageEntry QMFailedToReadX{"_QMFailedToReadX", u"Failed to read %s"};
const TMessageEntry QMFailedToRenameXasY{"_QMFailedToRenameXasY", u"Failed to rename %s as %s"};
const TMessageEntry QMFailedToSave{"_QMFailedToSave", u"Failed to save"};
const TMessageEntry QMFailedToSaveX{"_QMFailedToSaveX", u"Failed to save %s"};
const TMessageEntry QMFileHasaHole{"_QMFileHasaHole", u"%s has a \"hole\""};
const TMessageEntry QMFileInUnicodeShowInUnicode{"_QMFileInUnicodeShowInUnicode",
                                                 u"The file is in Unicode: show it in Unicode?"};
const TMessageEntry QMFileIsntBiggerThanChunkSize{"_QMFileIsntBiggerThanChunkSize",
                                                  u"The file isn't bigger than the chunk size"};
const TMessageEntry QMFileIsOpenPleaseCloseIt{
    "_QMFileIsOpenPleaseCloseIt", u"%s is still open; please close it before proceeding."};
const TMessageEntry QMFilenameNinBatch{"_QMFilenameNinBatch", u"file name %d in batch"};
const TMessageEntry QMFilenameNmanyLines{"_QMFilenameNmanyLines", u"file name, %.0n lines"};
const TMessageEntry QMFilenames{"_QMFilenames", u"file names"};
const TMessageEntry QMFilenamesMismatchInX{
    "_QMFilenamesMismatchInX", u"File mismatch in %s. To fix, Compute | List of file-names"};
const TMessageEntry QMFiles{"_QMFiles", u"files"};
const TMessageEntry QMFileSize{"_QMFileSize", u"file size"};
const TMessageEntry QMFilesNotMeetingSettings{"_QMFilesNotMeetingSettings",
                                              u"files not meeting the settings"};
const TMessageEntry QMFilesToAlter{"_QMFilesToAlter", u"files to alter"};
const TMessageEntry QMFiltered{"_QMFiltered", u"filtered"};
const TMessageEntry QMFilteredItems{"_QMFilteredItems", u"filtered items"};
const TMessageEntry QMFilteringX{"_QMFilteringX", u"filtering %s"};
const TMessageEntry QMFilters{"_QMFilters", u"filters"};
const TMessageEntry QMFilterXtoYQ{"_QMFilterXtoYQ", u"Filter %s to %s?"};
const TMessageEntry QMFinalSort{"_QMFinalSort", u"final sort"};
const TMessageEntry QMFindWhat{"_QMFindWhat", u"Find what"};
const TMessageEntry QMFinished{"_QMFinished", u"finished"};
const TMessageEntry QMFinishThisFolderFirst{"_QMFinishThisFolderFirst",
                                            u"Finish this folder first"};
const TMessageEntry QMFinishThisProcessFirst{"_QMFinishThisProcessFirst",
                                             u"Finish this process first"};
const TMessageEntry QMFirstINeedAnInde{"_QMFirstINeedAnInde", u"First I need an index filename"};
const TMessageEntry QMFirstNWords{"_QMFirstNWords", u"first %d words"};
const TMessageEntry QMFirstPass{"_QMFirstPass", u"first pass"};
const TMessageEntry QMFirstPlotPosition{"_QMFirstPlotPosition", u"first plot position"};
const TMessageEntry QMFirstPosition{"_QMFirstPosition", u"first position"};
const TMessageEntry QMFirstWord{"_QMFirstWord", u"first word"};
const TMessageEntry QMFirstXPercentMatch{"_QMFirstXPercentMatch", u"first %s%% match"};
const TMessageEntry QMFitToPage{"_QMFitToPage", u"Fit to page"};
const TMessageEntry QMFolder{"_QMFolder", u"folder"};
const TMessageEntry QMFolderForTempUse{"_QMFolderForTempUse", u"folder for temporary use"};
const TMessageEntry QMFolderIsReadOnly{"_QMFolderIsReadOnly", u"%s is a read-only folder"};
const TMessageEntry QMFolderNNmanyFiles{"_QMFolderNNmanyFiles", u"folder %d: %.0n files"};
const TMessageEntry QMFolders{"_QMFolders", u"folders"};
const TMessageEntry QMFolderToCopy_moveTo{"_QMFolderToCopy_moveTo", u"folder to copy/move to"};
const TMessageEntry QMFollowConcordancefromCollocate{"_QMFollowConcordancefromCollocate",
                                                     u"Follow the concordance from the collocate"};
const TMessageEntry QMFollowup{"_QMFollowup", u"Follow-up"};
const TMessageEntry QMFontHasHighCharacters{"_QMFontHasHighCharacters",
                                            u"The font has high characters"};
const TMessageEntry QMFontIsAndSizeIs{"_QMFontIsAndSizeIs", u"font is %s and size is %d"};
const TMessageEntry QMFormatEqX{"_QMFormatEqX", u"format = %s"};
const TMessageEntry QMFormNotFilledInRight{"_QMFormNotFilledInRight",
                                           u"The form has not been filled in correctly"};
const TMessageEntry QMForThisChooseTextsStr{
    "_QMForThisChooseTextsStr", u"For this operation, you first need to choose text files."};
const TMessageEntry QMForWindows2000Orlater{"_QMForWindows2000Orlater",
                                            u"for Windows 2000 or later"};
const TMessageEntry QMFound{"_QMFound", u"found"};
const TMessageEntry QMFreq{"_QMFreq", u"Freq."};
const TMessageEntry QMFreqInX{"_QMFreqInX", u"Freq. in %s"};
const TMessageEntry QMFrequency{"_QMFrequency", u"Frequency"};
const TMessageEntry QMFrequencyInCurrentText{"_QMFrequencyInCurrentText",
                                             u"frequency in the current text"};
const TMessageEntry QMFrequencyInput{"_QMFrequencyInput", u"frequency input"};
const TMessageEntry QMFrequencyInReferenceCorpus{"_QMFrequencyInReferenceCorpus",
                                                 u"frequency in the reference corpus"};
const TMessageEntry QMFrequencyOutput{"_QMFrequencyOutput", u"frequency output"};
const TMessageEntry QMFrequencySort{"_QMFrequencySort", u"frequency sort"};
const TMessageEntry QMFromColumnedText{"_QMFromColumnedText", u"from columned text"};
const TMessageEntry QMFromHTMLEntities{"_QMFromHTMLEntities", u"from HTML entities"};
const TMessageEntry QMFromUnix{"_QMFromUnix", u"from Unix"};
const TMessageEntry QMFromWord{"_QMFromWord", u"from Word"};
const TMessageEntry QMfromWord_Excel_PDF_RTF{"_QMfromWord_Excel_PDF_RTF",
                                             u"from Word, Excel, PDF or RTF"};
const TMessageEntry QMFunctionNFound{"_QMFunctionNFound", u"function %d found"};
const TMessageEntry QMFunctionXComputed{"_QMFunctionXComputed", u"function %s computed"};
const TMessageEntry QMGreyMarkupNChars{"_QMGreyMarkupNChars", u"grey markup: %d characters"};
const TMessageEntry QMHalting{"_QMHalting", u"halting"};
const TMessageEntry QMHaltingQuillmark{"_QMHaltingQuillmark", u"halting Quillmark"};
const TMessageEntry QMHasaHoleAtBytes{"_QMHasaHoleAtBytes", u"has a \"hole\" at bytes"};
const TMessageEntry QMHasHolesAtAbout{"_QMHasHolesAtAbout", u"has \"holes\" at about %d %%"};
const TMessageEntry QMHasToBeOpenedWit{"_QMHasToBeOpenedWit", u"has to be opened with"};
const TMessageEntry QMHeadings{"_QMHeadings", u"headings"};
const TMessageEntry QMHideX{"_QMHideX", u"Hide %s"};
const TMessageEntry QMHitN{"_QMHitN", u"hit %d"};
const TMessageEntry QMHits{"_QMHits", u"hits"};
const TMessageEntry QMHitWordContext{"_QMHitWordContext", u"hit word context"};
const TMessageEntry QMHowMany{"_QMHowMany", u"How many?"};
const TMessageEntry QMHowManyEntries{"_QMHowManyEntries", u"How many entries?"};
const TMessageEntry QMHTML{"_QMHTML", u"HTML"};
const TMessageEntry QMHTMLEntityFilenameNotFound{"_QMHTMLEntityFilenameNotFound",
                                                 u"The HTML entity file name was not found"};
const TMessageEntry QMHyphensSeparateWords{"_QMHyphensSeparateWords",
                                           u"hyphens separate words: %s"};
const TMessageEntry QMIfX{"_QMIfX", u"if %s"};
const TMessageEntry QMIfXAndY{"_QMIfXAndY", u"if %s and %s"};
const TMessageEntry QMIfXButNotY{"_QMIfXButNotY", u"if %s but not %s"};
const TMessageEntry QMIfXOrY{"_QMIfXOrY", u"if %s or %s"};
const TMessageEntry QMIgnoreMatching{"_QMIgnoreMatching", u"ignore matching"};
const TMessageEntry QMIgnorePunctuationInXQ{"_QMIgnorePunctuationInXQ",
                                            u"Ignore punctuation in %s?"};
const TMessageEntry QMimported{"_QMimported", u"imported"};
const TMessageEntry QMImportedByUser{"_QMImportedByUser", u"imported by user"};
const TMessageEntry QMInBatch{"_QMInBatch", u"in batch"};
const TMessageEntry QMIncludeDocs{"_QMIncludeDocs", u"include documents"};
const TMessageEntry QMIncludeThisFileQuery{"_QMIncludeThisFileQuery", u"Include this file?"};
const TMessageEntry QMIncludeZipFiles{"_QMIncludeZipFiles", u"Include zip files?"};
const TMessageEntry QMIncludingNInSubFolders{"_QMIncludingNInSubFolders",
                                             u"including %d in sub-folders"};
const TMessageEntry QMIncludingXY{"_QMIncludingXY", u"including %s %s"};
const TMessageEntry QMIncompleteDownload{"_QMIncompleteDownload", u"incomplete download"};
const TMessageEntry QMIndex{"_QMIndex", u"index"};
const TMessageEntry QMIndexFile{"_QMIndexFile", u"index file"};
const TMessageEntry QMIndexFrequency{"_QMIndexFrequency", u"index frequency"};
const TMessageEntry QMIndividualDownloads{"_QMIndividualDownloads", u"individual downloads"};
const TMessageEntry QMInformationSharedW{"_QMInformationSharedW", u"information shared with"};
const TMessageEntry QMIniFileOK{"_QMIniFileOK", u"ini file OK"};
const TMessageEntry QMInsertBlankLineQ{"_QMInsertBlankLineQ", u"Insert a blank line?"};
const TMessageEntry QMInsertBracket{"_QMInsertBracket", u"Insert brackets like this: \r%s"};
const TMessageEntry QMInsertingNumbering{"_QMInsertingNumbering", u"inserting numbering"};
const TMessageEntry QMInsertionDeletionRule{"_QMInsertionDeletionRule", u"insertion/deletion rule"};
const TMessageEntry QMIntoUnicode{"_QMIntoUnicode", u"into Unicode"};
const TMessageEntry QMInUnicode{"_QMInUnicode", u"in Unicode"};
const TMessageEntry QMInvalidCharacter{"_QMInvalidCharacter", u"invalid character"};
const TMessageEntry QMInvalidFileForTool{"_QMInvalidFileForTool", u"invalid file for this Tool"};
const TMessageEntry QMInvalidNumber{"_QMInvalidNumber", u"invalid number"};
const TMessageEntry QMInX{"_QMInX", u"in %s"};
const TMessageEntry QMInZipFile{"_QMInZipFile", u"in zip file"};
const TMessageEntry QMIsANoLongerCurre{"_QMIsANoLongerCurre",
                                       u"is a no longer current Quillmark file"};
const TMessageEntry QMIsFaulty{"_QMIsFaulty", u"is faulty"};
const TMessageEntry QMIsInTheOldFormat{"_QMIsInTheOldFormat", u"%s is in the old format."};
const TMessageEntry QMIsNotTheDefaultI{"_QMIsNotTheDefaultI", u"is not the default index file ("};
const TMessageEntry QMIsnTAQuillmarkTo{"_QMIsnTAQuillmarkTo", u"isn't a Quillmark Tools file"};
const TMessageEntry QMIsnTAValidNumbe{"_QMIsnTAValidNumbe", u"%s isn't a valid number"};
const TMessageEntry QMIsnTTwoValidNum{"_QMIsnTTwoValidNum",
                                      u"%s isn't two valid numbers separated by a %s"};
const TMessageEntry QMIsThisTheTalkLanguageQ{"_QMIsThisTheTalkLanguageQ",
                                             u"Is this the language you talk in?"};
const TMessageEntry QMItemNOfNAndLineNofN{"_QMItemNOfNAndLineNofN",
                                          u"item %d of %d and line %d of %d"};
const TMessageEntry QMJoinXtoYQ{"_QMJoinXtoYQ", u"Join %s to %s?"};
const TMessageEntry QMKeep{"_QMKeep", u"Keep"};
const TMessageEntry QMKeepingX{"_QMKeepingX", u"keeping %s"};
const TMessageEntry QMKeepThingsSimple{"_QMKeepThingsSimple", u"Keep things simple"};
const TMessageEntry QMKeyness{"_QMKeyness", u"keyness"};
const TMessageEntry QMKeyWordsEntriesReduced{
    "_QMKeyWordsEntriesReduced",
    u"%0.n KeyWords entries found, now reduced to your pre-set limit (%d)"};
const TMessageEntry QMKeyWordsFoundLessThanNPercentMatches{
    "_QMKeyWordsFoundLessThanNPercentMatches", u"KeyWords found less than %d%% matches"};
const TMessageEntry QMKeyWordsLinksReach{"_QMKeyWordsLinksReach",
                                         u"KeyWords links reached your pre-set limits (%d)"};
const TMessageEntry QMKWDBSettingsWrongForKWDB{
    "_QMKWDBSettingsWrongForKWDB",
    u"The key words database settings are wrong for a key words database"};
const TMessageEntry QMKWSWith{"_QMKWSWith", u"key words with"};
const TMessageEntry QMKWsWithFilename{"_QMKWsWithFilename", u"key words with file name"};
const TMessageEntry QMKWZipfile{"_QMKWZipfile", u"key words zip file"};
const TMessageEntry QML{"_QML", u"L"};
const TMessageEntry QMLanguageChangedTo{"_QMLanguageChangedTo", u"language changed to"};
const TMessageEntry QMLanguageFonts{"_QMLanguageFonts", u"language fonts"};
const TMessageEntry QMLanguageUsed{"_QMLanguageUsed", u"language used"};
const TMessageEntry QMLargeIcons{"_QMLargeIcons", u"large icons"};
const TMessageEntry QMLargeSourceText{"_QMLargeSourceText", u"large source text"};
const TMessageEntry QMLastPlotPosition{"_QMLastPlotPosition", u"last plot position"};
const TMessageEntry QMLatestVersionAndCompileDate{"_QMLatestVersionAndCompileDate",
                                                  u"latest version and compile date"};
const TMessageEntry QMLayoutMenuOption{"_QMLayoutMenuOption", u"the Layout menu option"};
const TMessageEntry QMLemmaFilenameNotFound{"_QMLemmaFilenameNotFound",
                                            u"The lemma file name was not found"};
const TMessageEntry QMLemmaFileS{"_QMLemmaFileS", u"lemmas file %s"};
const TMessageEntry QMLemmaForms{"_QMLemmaForms", u"lemma forms"};
const TMessageEntry QMLemmas{"_QMLemmas", u"lemmas"};
const TMessageEntry QMLemmatising{"_QMLemmatising", u"lemmatising"};
const TMessageEntry QMLetter{"_QMLetter", u"letter"};
const TMessageEntry QMLineContainsDoubleSpaces{"_QMLineContainsDoubleSpaces",
                                               u"The line contains double spaces"};
const TMessageEntry QMLineNofN{"_QMLineNofN", u"line %d of %d"};
const TMessageEntry QMLineNtoN{"_QMLineNtoN", u"lines %d to %d"};
const TMessageEntry QMLineStarting{"_QMLineStarting", u"line starting"};
const TMessageEntry QMLineWithoutEndPunctuation{"_QMLineWithoutEndPunctuation",
                                                u"line without end punctuation"};
const TMessageEntry QMLinkDetails{"_QMLinkDetails", u"link details"};
const TMessageEntry QMLinks{"_QMLinks", u"links"};
const TMessageEntry QMList{"_QMList", u"list"};
const TMessageEntry QMListIsLoaded{"_QMListIsLoaded", u"list is loaded"};
const TMessageEntry QMListIsntLoaded{"_QMListIsntLoaded", u"list isn't loaded"};
const TMessageEntry QMListTypeCloudFromFile{"_QMListTypeCloudFromFile",
                                            u"list type: cloud from file"};
const TMessageEntry QMLoadALemmaListFi{"_QMLoadALemmaListFi",
                                       u"Load a lemma list file first, please"};
const TMessageEntry QMLoadAMatchListFi{"_QMLoadAMatchListFi",
                                       u"Load a match list file first, please"};
const TMessageEntry QMLoadAStopListFil{"_QMLoadAStopListFil",
                                       u"Load a stop list file first, please"};
const TMessageEntry QMLookupTableNotFound{"_QMLookupTableNotFound", u"lookup table not found"};
const TMessageEntry QMLOwercase{"_QMLOwercase", u"lowercase"};
const TMessageEntry QMLowercaseFirstCharacter{"_QMLowercaseFirstCharacter",
                                              u"lowercase the first character"};
const TMessageEntry QMMadeByUser{"_QMMadeByUser", u"made by user"};
const TMessageEntry QMMainForm{"_QMMainForm", u"main window"};
const TMessageEntry QMMakeAFile{"_QMMakeAFile", u"Make a file"};
const TMessageEntry QMMakeAFile2{"_QMMakeAFile2", u"Make a file, then try again"};
const TMessageEntry QMMakeOrOpenAnInde{"_QMMakeOrOpenAnInde", u"Make or open an index first."};
const TMessageEntry QMMarkerNotFoundInMarkup{"_QMMarkerNotFoundInMarkup",
                                             u"The marker was not found in the markup"};
const TMessageEntry QMMatchAndMark{"_QMMatchAndMark", u"Match and mark"};
const TMessageEntry QMMatchList{"_QMMatchList", u"match list"};
const TMessageEntry QMMatchListFileS{"_QMMatchListFileS", u"match list file %s"};
const TMessageEntry QMMatchTemplateEmpty{"_QMMatchTemplateEmpty", u"the match template is needed"};
const TMessageEntry QMMatrix{"_QMMatrix", u"matrix"};
const TMessageEntry QMMaxFreqFor1LetterDifference{"_QMMaxFreqFor1LetterDifference",
                                                  u"max. frequency for a 1-letter difference"};
const TMessageEntry QMMaximumFloatIs{"_QMMaximumFloatIs", u"The maximum is %n"};
const TMessageEntry QMMaximumXIs{"_QMMaximumXIs", u"The maximum %s is"};
const TMessageEntry QMMaxWantedIs{"_QMMaxWantedIs", u"The maximum wanted is"};
const TMessageEntry QMMaxX{"_QMMaxX", u"max. %s"};
const TMessageEntry QMMeanInWords{"_QMMeanInWords", u"mean in words"};
const TMessageEntry QMMeanWordLengthIn{"_QMMeanWordLengthIn", u"mean word length in"};
const TMessageEntry QMMeanX{"_QMMeanX", u"mean %s"};
const TMessageEntry QMMediaStartOfFilenameUndefined{"_QMMediaStartOfFilenameUndefined",
                                                    u"start of media filename undefined"};
const TMessageEntry QMMenuShortcutInUse{"_QMMenuShortcutInUse",
                                        u"Menu shortcut (%s) for %s is already taken (by %s)"};
const TMessageEntry QMMerged{"_QMMerged", u"merged"};
const TMessageEntry QMMergedWith{"_QMMergedWith", u"merged with"};
const TMessageEntry QMMergeHeaderColumns{"_QMMergeHeaderColumns", u"Merge header columns"};
const TMessageEntry QMMergeWithTheLineAboveQ{"_QMMergeWithTheLineAboveQ",
                                             u"Merge with the line above?"};
const TMessageEntry QMMergeWithTheLineBelowQ{"_QMMergeWithTheLineBelowQ",
                                             u"Merge with the line below?"};
const TMessageEntry QMMessageNOfAMaxOfN{"_QMMessageNOfAMaxOfN", u"Message %d of a maximum of %d"};
const TMessageEntry QMMICanOnlyBeCompu{"_QMMICanOnlyBeCompu",
                                       u"MI can only be computed from an index."};
const TMessageEntry QMMiddle{"_QMMiddle", u"middle"};
const TMessageEntry QMMinFrequencyX{"_QMMinFrequencyX", u"min. frequency %s"};
const TMessageEntry QMMinimalPairsAnalysis{"_QMMinimalPairsAnalysis", u"minimal pairs analysis"};
const TMessageEntry QMMinimalProcessing{"_QMMinimalProcessing", u"minimal processing"};
const TMessageEntry QMMinimumAssociateStrength{"_QMMinimumAssociateStrength",
                                               u"minimum associate strength"};
const TMessageEntry QMMinimumAssociateTextsForDatabase{"_QMMinimumAssociateTextsForDatabase",
                                                       u"minimum associate texts for the database"};
const TMessageEntry QMMinimumFloatIs{"_QMMinimumFloatIs", u"The minimum is %n"};
const TMessageEntry QMMinimumKWSPerTextForDatabase{"_QMMinimumKWSPerTextForDatabase",
                                                   u"minimum key words per text for the database"};
const TMessageEntry QMMinimumLengthLetters{"_QMMinimumLengthLetters", u"minimum length (letters)"};
const TMessageEntry QMMinimumMatchLetters{"_QMMinimumMatchLetters", u"minimum match = %d letters"};
const TMessageEntry QMMinimumTextsForDatabase{"_QMMinimumTextsForDatabase",
                                              u"minimum texts for the database"};
const TMessageEntry QMMinimumXIs{"_QMMinimumXIs", u"The minimum %s is"};
const TMessageEntry QMMinX{"_QMMinX", u"min. %s"};
const TMessageEntry QMMissingBracket{"_QMMissingBracket", u"missing bracket"};
const TMessageEntry QMMIxedFormats{"_QMMIxedFormats", u"mixed formats"};
const TMessageEntry QMMixedTextFormats{"_QMMixedTextFormats",
                                       u"varied text formats in the text files"};
const TMessageEntry QMMLinkingMWUsWithX{"_QMMLinkingMWUsWithX",
                                        u"linking multi-word units with %s"};
const TMessageEntry QMModifySourceTextsForSearchWordQ{
    "_QMModifySourceTextsForSearchWordQ", u"Modify the source texts to suit your Search words?"};
const TMessageEntry QMModifySourceTextsForSetsQ{
    "_QMModifySourceTextsForSetsQ", u"Modify the source texts to suit your Set choices?"};
const TMessageEntry QMModifySourceTextsQ{"_QMModifySourceTextsQ", u"Modify the source texts?"};
const TMessageEntry QMMoreLikelyToBe{"_QMMoreLikelyToBe", u"more likely to be"};
const TMessageEntry QMMoreupToDateVersionAvailable{"_QMMoreupToDateVersionAvailable",
                                                   u"A more up-to-date version is available"};
const TMessageEntry QMMostFrequentWas{"_QMMostFrequentWas", u"The most frequent was"};
const TMessageEntry QMMouse{"_QMMouse", u"mouse"};
const TMessageEntry QMMoveColumns{"_QMMoveColumns", u"move columns"};
const TMessageEntry QMMoved{"_QMMoved", u"moved"};
const TMessageEntry QMMoveFilesContaining{"_QMMoveFilesContaining", u"Move files containing"};
const TMessageEntry QMMoveNow{"_QMMoveNow", u"Move now"};
const TMessageEntry QMMultipleChanges{"_QMMultipleChanges", u"multiple changes"};
const TMessageEntry QMMultipleSourceTexts{"_QMMultipleSourceTexts", u"multiple source texts"};
const TMessageEntry QMNAnomalousCharacters{"_QMNAnomalousCharacters", u"%d anomalous characters"};
const TMessageEntry QMNComputed{"_QMNComputed", u"%d computed"};
const TMessageEntry QMNCut{"_QMNCut", u"%d cut"};
const TMessageEntry QMNDuplicatesFound{"_QMNDuplicatesFound", u"%.0n duplicates found"};
const TMessageEntry QMNegativeKWsExcludedIs{"_QMNegativeKWsExcludedIs",
                                            u"negative key words excluded:"};
const TMessageEntry QMNeitherConversionNorFilteringActivated{
    "_QMNeitherConversionNorFilteringActivated",
    u"Neither conversion nor filtering has been activated"};
const TMessageEntry QMNEntries{"_QMNEntries", u"%d entries"};
const TMessageEntry QMNetwork{"_QMNetwork", u"network"};
const TMessageEntry QMNeverShowThisAgain{"_QMNeverShowThisAgain", u"Never show this again"};
const TMessageEntry QMNextWorksheet{"_QMNextWorksheet", u"next worksheet"};
const TMessageEntry QMNFilesLoaded{"_QMNFilesLoaded", u"%.0n files loaded"};
const TMessageEntry QMNFilesSaved{"_QMNFilesSaved", u"%.0n files saved"};
const TMessageEntry QMNFound{"_QMNFound", u"%d found"};
const TMessageEntry QMNFrequency{"_QMNFrequency", u"%d frequency"};
const TMessageEntry QMNHits{"_QMNHits", u"%d hits"};
const TMessageEntry QMNKept{"_QMNKept", u"%d kept"};
const TMessageEntry QMNKeyWordsEntriesFound{"_QMNKeyWordsEntriesFound",
                                            u"%d KeyWords entries found"};
const TMessageEntry QMNLemmasFound{"_QMNLemmasFound", u"%d lemmas found"};
const TMessageEntry QMNLinesOfOutput{"_QMNLinesOfOutput", u"%d lines of output"};
const TMessageEntry QMNmanyCharactersSavedPerEntry{"_QMNmanyCharactersSavedPerEntry",
                                                   u"%.0n characters saved per entry"};
const TMessageEntry QMNmanyConcordanceLinesFound{"_QMNmanyConcordanceLinesFound",
                                                 u"%.0n concordance lines found"};
const TMessageEntry QMNmanyConcordanceLinesFoundForXPercent{
    "_QMNmanyConcordanceLinesFoundForXPercent", u"%.0n concordance lines found for '%s' (%.2n %%)"};
const TMessageEntry QMNmanyCopiedToX{"_QMNmanyCopiedToX", u"%.0n copied to %s"};
const TMessageEntry QMNmanyDeleted{"_QMNmanyDeleted", u"%.0n deleted"};
const TMessageEntry QMNmanyEntriesFound{"_QMNmanyEntriesFound", u"%.0n entries found"};
const TMessageEntry QMNmanyEntriesFoundEqualsXPercent{"_QMNmanyEntriesFoundEqualsXPercent",
                                                      u"%.0n entries found = %s%%"};
const TMessageEntry QMNmanyEntriesToConcordance{"_QMNmanyEntriesToConcordance",
                                                u"%.0n entries to concordance"};
const TMessageEntry QMNmanyFilesConvertedTo{"_QMNmanyFilesConvertedTo", u"%.0n files converted to"};
const TMessageEntry QMNmanyFilesInDFolders{"_QMNmanyFilesInDFolders", u"%.0n files in %d folders"};
const TMessageEntry QMNmanyFilesInFolderX{"_QMNmanyFilesInFolderX", u"%.0n files in folder %s"};
const TMessageEntry QMNmanyHeadings{"_QMNmanyHeadings", u"%.0n headings"};
const TMessageEntry QMNmanyJoined{"_QMNmanyJoined", u"%.0n joined"};
const TMessageEntry QMNManyLemmaForms{"_QMNManyLemmaForms", u"%.0n lemma forms"};
const TMessageEntry QMNmanyLemmaListItemsFound{"_QMNmanyLemmaListItemsFound",
                                               u"%.0n lemma list items found"};
const TMessageEntry QMNmanyLines{"_QMNmanyLines", u"%.0n lines"};
const TMessageEntry QMNmanyMatchListItemsFound{"_QMNmanyMatchListItemsFound",
                                               u"%.0n match list items found"};
const TMessageEntry QMNmanyModificationsMade{"_QMNmanyModificationsMade",
                                             u"%.0n modifications made"};
const TMessageEntry QMNmanyMovedToX{"_QMNmanyMovedToX", u"%.0n moved to %s"};
const TMessageEntry QMNManyOutOfN{"_QMNManyOutOfN", u"%.0n out of %.0n"};
const TMessageEntry QMNmanyOutOfNmanyRemainAfterFiltering{
    "_QMNmanyOutOfNmanyRemainAfterFiltering", u"%.0n out of %.0n remain after filtering"};
const TMessageEntry QMNmanyParagraphs{"_QMNmanyParagraphs", u"%.0n paragraphs"};
const TMessageEntry QMNmanyRemainAfterFiltering{"_QMNmanyRemainAfterFiltering",
                                                u"%.0n remain after filtering"};
const TMessageEntry QMNmanySections{"_QMNmanySections", u"%.0n sections"};
const TMessageEntry QMNmanyStopListItemsFound{"_QMNmanyStopListItemsFound",
                                              u"%.0n stop list items found"};
const TMessageEntry QMNManyTextFilesLoadedFrom{"_QMNManyTextFilesLoadedFrom",
                                               u"%.0n text files loaded from"};
const TMessageEntry QMNmanyTexts{"_QMNmanyTexts", u"%.0n texts"};
const TMessageEntry QMNmanyTextsAddedByXAtDateD{"_QMNmanyTextsAddedByXAtDateD",
                                                u"%.0n texts added by %s at date %s"};
const TMessageEntry QMNmanyWords{"_QMNmanyWords", u"%.0n words"};
const TMessageEntry QMNManyX{"_QMNManyX", u"%.0n %s"};
const TMessageEntry QMNManyXedOutOfN{"_QMNManyXedOutOfN", u"%.0n %s out of %.0n"};
const TMessageEntry QMNMatchesFound{"_QMNMatchesFound", u"%d matches found"};
const TMessageEntry QMNMoved{"_QMNMoved", u"%d moved"};
const TMessageEntry QMNo{"_QMNo", u"No"};
const TMessageEntry QMNoAnomalies{"_QMNoAnomalies", u"no anomalies"};
const TMessageEntry QMNoAssociatesFoundForS{"_QMNoAssociatesFoundForS",
                                            u"No associates found for %s"};
const TMessageEntry QMNoBoxChecked{"_QMNoBoxChecked", u"No box is checked"};
const TMessageEntry QMNoClustersThoseSettings{
    "_QMNoClustersThoseSettings",
    u"No clusters at settings %d - %d;  frequency %d using <= %1.3f %% found in %s"};
const TMessageEntry QMNoCollocatesHere{"_QMNoCollocatesHere", u"No collocates here"};
const TMessageEntry QMNoColumnSelected{"_QMNoColumnSelected", u"No column selected"};
const TMessageEntry QMNoConcordanceEntri{"_QMNoConcordanceEntri", u"No concordance entries found"};
const TMessageEntry QMNoContextWordSpe{"_QMNoContextWordSpe", u"(no context word specified)"};
const TMessageEntry QMNoCorruptFilesFound{"_QMNoCorruptFilesFound", u"No corrupt files detected"};
const TMessageEntry QMNoDataConc{"_QMNoDataConc", u"No data to concordance"};
const TMessageEntry QMNodeXAsPCollocateOfY{"_QMNodeXAsPCollocateOfY",
                                           u"node %s as %s collocate of %s"};
const TMessageEntry QMNoFileSpecified{"_QMNoFileSpecified", u"No file specified"};
const TMessageEntry QMNoFileSpecifiedPleaseChooseOne{"_QMNoFileSpecifiedPleaseChooseOne",
                                                     u"No file specified, please choose one"};
const TMessageEntry QMNoFilesPresentOnDisk{"_QMNoFilesPresentOnDisk", u"No files present on disk"};
const TMessageEntry QMNoFilesSelected{"_QMNoFilesSelected", u"No files selected"};
const TMessageEntry QMNoFilesToProcess{"_QMNoFilesToProcess", u"No files to process"};
const TMessageEntry QMNoFontsAvailableForLanguageL{"_QMNoFontsAvailableForLanguageL",
                                                   u"your system has no fonts for %s"};
const TMessageEntry QMNoHitsGetSkipped{"_QMNoHitsGetSkipped", u"Texts with no hits get skipped"};
const TMessageEntry QMNoKWDBRelatedClusters{"_QMNoKWDBRelatedClusters",
                                            u"No key words database related clusters"};
const TMessageEntry QMNoLimits{"_QMNoLimits", u"no limits"};
const TMessageEntry QMNoMediaFilenameExtensionFound{"_QMNoMediaFilenameExtensionFound",
                                                    u"No media file name extension found"};
const TMessageEntry QMNoMoreSFound{"_QMNoMoreSFound", u"No more %s found"};
const TMessageEntry QMNoMWUsFoundInX{"_QMNoMWUsFoundInX", u"No multi-word units found in %s"};
const TMessageEntry QMNoneOfNSourceTextsFound{"_QMNoneOfNSourceTextsFound",
                                              u"None of the %d source texts was found"};
const TMessageEntry QMNonNumerical{"_QMNonNumerical", u"non-numerical"};
const TMessageEntry QMNoPreferredLanguageButSetToL{"_QMNoPreferredLanguageButSetToL",
                                                   u"preferred main language being set to %s"};
const TMessageEntry QMNoPrefix{"_QMNoPrefix", u"no prefix"};
const TMessageEntry QMNoPrinterInstalled{"_QMNoPrinterInstalled", u"no printer has been installed"};
const TMessageEntry QMNoProblem{"_QMNoProblem", u"no problem"};
const TMessageEntry QMNoShape{"_QMNoShape", u"no shape"};
const TMessageEntry QMNoTextsChosen{"_QMNoTextsChosen", u"No texts chosen"};
const TMessageEntry QMNotFoundIn{"_QMNotFoundIn", u"not found in"};
const TMessageEntry QMNotLemmaProcessingButLemmasFound{
    "_QMNotLemmaProcessingButLemmasFound", u"Lemmas were found, though lemma processing is not on"};
const TMessageEntry QMNotYetX{"_QMNotYetX", u"not yet %s"};
const TMessageEntry QMNoXFoundAtCurrentSettings{"_QMNoXFoundAtCurrentSettings",
                                                u"No %s found at current settings"};
const TMessageEntry QMNPlotPositions{"_QMNPlotPositions", u"%d plot positions"};
const TMessageEntry QMNRandomlySortedFiles{"_QMNRandomlySortedFiles", u"%d randomly sorted files"};
const TMessageEntry QMNRelationsFound{"_QMNRelationsFound", u"%d relations found"};
const TMessageEntry QMNResultsOutOFNAtCurrentSettings{"_QMNResultsOutOFNAtCurrentSettings",
                                                      u"%d results out of %d at current settings"};
const TMessageEntry QMNStoplistTokensRemo{"_QMNStoplistTokensRemo", u"%d stop list tokens removed"};
const TMessageEntry QMNStoplistTypesRemov{"_QMNStoplistTypesRemov", u"%d stop list types removed"};
const TMessageEntry QMNStopListWordsFound{"_QMNStopListWordsFound",
                                          u"%.0n stop list entries found for %s"};
const TMessageEntry QMNStored{"_QMNStored", u"%d stored"};
const TMessageEntry QMNTextsContainX{"_QMNTextsContainX", u"%d texts contain %s"};
const TMessageEntry QMNTextsDoNotContainX{"_QMNTextsDoNotContainX",
                                          u"%0.n texts do not contain %s"};
const TMessageEntry QMNTotalTextsToProcess{"_QMNTotalTextsToProcess",
                                           u"%d texts in total to process"};
const TMessageEntry QMNumber{"_QMNumber", u"number"};
const TMessageEntry QMNumberExpected{"_QMNumberExpected", u"number expected"};
const TMessageEntry QMNumbers{"_QMNumbers", u"numbers"};
const TMessageEntry QMNumbersRemoved{"_QMNumbersRemoved", u"numbers removed"};
const TMessageEntry QMNValidWords{"_QMNValidWords", u"%d valid words"};
const TMessageEntry QMNValidWordsAndFreqs{"_QMNValidWordsAndFreqs",
                                          u"%d valid words and frequencies"};
const TMessageEntry QMNWords{"_QMNWords", u"%d words"};
const TMessageEntry QMNWordsApprox{"_QMNWordsApprox", u"%.0n words approx."};
const TMessageEntry QMNWordsDownloaded{"_QMNWordsDownloaded", u"%d words downloaded"};
const TMessageEntry QMNWordsHighLighted{"_QMNWordsHighLighted", u"%d words highlighted"};
const TMessageEntry QMNWordsInFile{"_QMNWordsInFile", u"%d words in file"};
const TMessageEntry QMNWordsInFileS{"_QMNWordsInFileS", u"%d words in file %s"};
const TMessageEntry QMNWordsInFileX{"_QMNWordsInFileX", u"%d words in %s"};
const TMessageEntry QMNWordsPerMinute{"_QMNWordsPerMinute", u"%d words per minute"};
const TMessageEntry QMOK{"_QMOK", u"OK"};
const TMessageEntry QMOKToCloseNowForVersionChecker{
    "_QMOKToCloseNowForVersionChecker", u"OK to close now and run the version checker?"};
const TMessageEntry QMOKToConvert{"_QMOKToConvert", u"OK to convert?"};
const TMessageEntry QMOKToCreateXQ{"_QMOKToCreateXQ", u"OK to create %s?"};
const TMessageEntry QMOKToDeleteXQ{"_QMOKToDeleteXQ", u"OK to delete %s?"};
const TMessageEntry QMOKToDoXQ{"_QMOKToDoXQ", u"OK to %s?"};
const TMessageEntry QMOKToMoveFilesToSubFolder{
    "_QMOKToMoveFilesToSubFolder", u"OK to move %s files to sub-folders using %s as a template?"};
const TMessageEntry QMOKToSaveAgainAs{"_QMOKToSaveAgainAs", u"OK to save again as %s?"};
const TMessageEntry QMOKToSaveInUnicod{"_QMOKToSaveInUnicod", u"OK to save in Unicode?"};
const TMessageEntry QMOKToSaveXInUnicode{"_QMOKToSaveXInUnicode", u"OK to save %s in Unicode?"};
const TMessageEntry QMOKToZapNmanyEntriesQuery{"_QMOKToZapNmanyEntriesQuery",
                                               u"OK to zap %.0n entries?"};
const TMessageEntry QMOKToZapRemainingEntriesQuery{"_QMOKToZapRemainingEntriesQuery",
                                                   u"OK to zap the remaining entries?"};
const TMessageEntry QMOmitAnyUntaggedWords{"_QMOmitAnyUntaggedWords", u"omit any untagged words"};
const TMessageEntry QMOmitIfWord1Word2{"_QMOmitIfWord1Word2", u"omit if word 1 = word 2"};
const TMessageEntry QMOneChange{"_QMOneChange", u"one change"};
const TMessageEntry QMOneChangeSpecificationFailed{"_QMOneChangeSpecificationFailed",
                                                   u"One change specification failed"};
const TMessageEntry QMOnly{"_QMOnly", u"only"};
const TMessageEntry QMOnlyIf{"_QMOnlyIf", u"only if"};
const TMessageEntry QMOnlyNmanyOfNSourceTextsFound{"_QMOnlyNmanyOfNSourceTextsFound",
                                                   u"Only %.0n of %d source texts found"};
const TMessageEntry QMOnlyToTheRight{"_QMOnlyToTheRight", u"only to the right"};
const TMessageEntry QMOnlyXPresentOnDisk{"_QMOnlyXPresentOnDisk",
                                         u"Only %.0n files (out of %.0n) present on disk"};
const TMessageEntry QMOpenInBrowserOrNotepadQ{
    "_QMOpenInBrowserOrNotepadQ", u"Open %s with your browser? (If not, we'll use Notepad)"};
const TMessageEntry QMOpenIndexNow{"_QMOpenIndexNow", u"Open the index now?"};
const TMessageEntry QMOpenTheZipFile{"_QMOpenTheZipFile", u"Open the .zip file "};
const TMessageEntry QMOperatorExpected{"_QMOperatorExpected", u"operator expected"};
const TMessageEntry QMOR{"_QMOR", u"OR"};
const TMessageEntry QMOrCancel{"_QMOrCancel", u"... or Cancel"};
const TMessageEntry QMOrCancelToChooseNewOne{"_QMOrCancelToChooseNewOne",
                                             u"or Cancel to choose a new one"};
const TMessageEntry QMOrNoToChooseToS{"_QMOrNoToChooseToS",
                                      u"or No to choose to save as a new file"};
const TMessageEntry QMOrStopPressed{"_QMOrStopPressed", u"or stop pressed"};
const TMessageEntry QMOrStr{"_QMOrStr", u"or"};
const TMessageEntry QMOutputFilenameNeeded{"_QMOutputFilenameNeeded", u"Output filename needed"};
const TMessageEntry QMOverall{"_QMOverall", u"overall"};
const TMessageEntry QMOverallFreq{"_QMOverallFreq", u"overall freq."};
const TMessageEntry QMOverlap{"_QMOverlap", u"overlap"};
const TMessageEntry QMOverlapCoefficientIs{"_QMOverlapCoefficientIs",
                                           u"Overlap coefficient = %1.3f"};
const TMessageEntry QMPageN{"_QMPageN", u"page %d"};
const TMessageEntry QMPageNStr{"_QMPageNStr", u"page %s"};
const TMessageEntry QMPanicMode{"_QMPanicMode", u"panic mode"};
const TMessageEntry QMPanicStopAt{"_QMPanicStopAt", u"panic stop at"};
const TMessageEntry QMParagraphInitialBracket{"_QMParagraphInitialBracket",
                                              u"paragraph-initial bracket"};
const TMessageEntry QMParagraphs{"_QMParagraphs", u"paragraphs"};
const TMessageEntry QMParallelConcordance{"_QMParallelConcordance", u"parallel concordance"};
const TMessageEntry QMParsing{"_QMParsing", u"parsing"};
const TMessageEntry QMParts{"_QMParts", u"parts"};
const TMessageEntry QMPaste{"_QMPaste", u"Paste"};
const TMessageEntry QMPasteCharacter{"_QMPasteCharacter", u"Paste character"};
const TMessageEntry QMPathAndFilename{"_QMPathAndFilename", u"path and file name"};
const TMessageEntry QMPathToTheFile{"_QMPathToTheFile", u"path to the file"};
const TMessageEntry QMPause{"_QMPause", u"Pause"};
const TMessageEntry QMPDF_RTF_ConversionTricky{
    "_QMPDF_RTF_ConversionTricky", u"Converting PDF and RTF files is tricky: check the results"};
const TMessageEntry QMPer1000Words{"_QMPer1000Words", u"per 1,000 words"};
const TMessageEntry QMPercentKWsIgnoredforConsistency{"_QMPercentKWsIgnoredforConsistency",
                                                      u"%% key words ignored for consistency"};
const TMessageEntry QMPercentWordsFoundInRefCorpus{"_QMPercentWordsFoundInRefCorpus",
                                                   u"%% words found in the reference corpus"};
const TMessageEntry QMPerfectDuplicates{"_QMPerfectDuplicates", u"perfect duplicates"};
const TMessageEntry QMPerMillionWords{"_QMPerMillionWords", u"per million words"};
const TMessageEntry QMPhraseFrames{"_QMPhraseFrames", u"phrase frames"};
const TMessageEntry QMPhraseFramesCreateJoinedEntries{"_QMPhraseFramesCreateJoinedEntries",
                                                      u"phrase frames create joined entries"};
const TMessageEntry QMPleaseCheckSettings{"_QMPleaseCheckSettings", u"Please check the settings"};
const TMessageEntry QMPleaseCloseIndexFile{"_QMPleaseCloseIndexFile",
                                           u"Please close the index file"};
const TMessageEntry QMPleaseConvertFirst{"_QMPleaseConvertFirst", u"Please convert first"};
const TMessageEntry QMPleaseLoadTagFile{"_QMPleaseLoadTagFile", u"Please load a tag file"};
const TMessageEntry QMPleaseMakeAChoiceForX{"_QMPleaseMakeAChoiceForX",
                                            u"Please make a choice for %s"};
const TMessageEntry QMPlotDetails{"_QMPlotDetails", u"plot details"};
const TMessageEntry QMPlotDivisions{"_QMPlotDivisions", u"plot divisions"};
const TMessageEntry QMPlotPositions{"_QMPlotPositions", u"plot positions"};
const TMessageEntry QMPosition{"_QMPosition", u"position"};
const TMessageEntry QMPosition1{"_QMPosition1", u"Position"};
const TMessageEntry QMPositions{"_QMPositions", u"positions"};
const TMessageEntry QMPositiveKeyness{"_QMPositiveKeyness", u"positive keyness"};
const TMessageEntry QMPrefix{"_QMPrefix", u"prefix"};
const TMessageEntry QMPressYesToSaveIn{"_QMPressYesToSaveIn", u"Press Yes to save in "};
const TMessageEntry QMPrinternameAndPortraitOrLandScape{"_QMPrinternameAndPortraitOrLandScape",
                                                        u"printer name and portrait or landscape"};
const TMessageEntry QMPrintNPages{"_QMPrintNPages", u"Print %d pages"};
const TMessageEntry QMProblemHandling{"_QMProblemHandling", u"problem handling %s"};
const TMessageEntry QMProblemMakingX{"_QMProblemMakingX", u"problem making %s"};
const TMessageEntry QMProblemRestoring{"_QMProblemRestoring", u"problem restoring"};
const TMessageEntry QMProcessing{"_QMProcessing", u"processing"};
const TMessageEntry QMProcessingNmanyFiles{"_QMProcessingNmanyFiles", u"processing %.0n files"};
const TMessageEntry QMProcessingNRelatedClusters{"_QMProcessingNRelatedClusters",
                                                 u"processing %d related clusters"};
const TMessageEntry QMProvideAFilenameO{"_QMProvideAFilenameO", u"Provide a filename or Cancel"};
const TMessageEntry QMPunctuation{"_QMPunctuation", u"punctuation"};
const TMessageEntry QMPValueIs{"_QMPValueIs", u"p value is"};
const TMessageEntry QMQ{"_QMQ", u"?"};
const TMessageEntry QMQuickCheckQ{"_QMQuickCheckQ", u"Quick check?"};
const TMessageEntry QMQuillmarkList{"_QMQuillmarkList", u"Quillmark list"};
const TMessageEntry QMQuit{"_QMQuit", u"Quit"};
const TMessageEntry QMQuotesForColumnNamesOnly{"_QMQuotesForColumnNamesOnly",
                                               u"quotes for column names only"};
const TMessageEntry QMR{"_QMR", u"R"};
const TMessageEntry QMRandomSelection{"_QMRandomSelection", u"random selection"};
const TMessageEntry QMRawTotals{"_QMRawTotals", u"raw totals"};
const TMessageEntry QMReadingIndex{"_QMReadingIndex", u"reading index"};
const TMessageEntry QMReadingIniFile{"_QMReadingIniFile", u"reading ini file"};
const TMessageEntry QMReadingS{"_QMReadingS", u"reading %s"};
const TMessageEntry QMReComputeAssociates{"_QMReComputeAssociates", u"Re-compute associates"};
const TMessageEntry QMRectangle{"_QMRectangle", u"rectangle"};
const TMessageEntry QMREduceData{"_QMREduceData", u"Reduce data"};
const TMessageEntry QMRefCorpWLincompat{"_QMRefCorpWLincompat",
                                        u"Reference Corpus and %s word-lists look incompatible as "
                                        u"in it, %.0n words were found out of %.0n ... Quit?"};
const TMessageEntry QMReferenceCorpusNeeded{"_QMReferenceCorpusNeeded",
                                            u"Choose a reference corpus please"};
const TMessageEntry QMREferenceTextTooShortOrProblematic{
    "_QMREferenceTextTooShortOrProblematic", u"The reference text is too short or problematic"};
const TMessageEntry QMRefreshX{"_QMRefreshX", u"Refresh %s"};
const TMessageEntry QMRegistryFileTypes{"_QMRegistryFileTypes", u"registry file types"};
const TMessageEntry QMRegistryFileTypesUn{"_QMRegistryFileTypesUn",
                                          u"registry file types unregistered"};
const TMessageEntry QMRelatedClustersOfX{"_QMRelatedClustersOfX", u"related clusters of %s"};
const TMessageEntry QMRelation{"_QMRelation", u"relation"};
const TMessageEntry QMRelationList{"_QMRelationList", u"relation list"};
const TMessageEntry QMRelationListFileS{"_QMRelationListFileS", u"relation list file %s"};
const TMessageEntry QMRelationshipProcedure{"_QMRelationshipProcedure", u"relationship procedure"};
const TMessageEntry QMRelationships{"_QMRelationships", u"relationships"};
const TMessageEntry QMRelativeEntropy{"_QMRelativeEntropy", u"relative entropy"};
const TMessageEntry QMRemoveLineQ{"_QMRemoveLineQ", u"Remove line?"};
const TMessageEntry QMRemoveMarkup{"_QMRemoveMarkup", u"Remove markup"};
const TMessageEntry QMRemoveMatchMarking{"_QMRemoveMatchMarking", u"Remove match marking"};
const TMessageEntry QMRemoveXQ{"_QMRemoveXQ", u"Remove %s?"};
const TMessageEntry QMRemovingLineBreaks{"_QMRemovingLineBreaks", u"removing line breaks"};
const TMessageEntry QMRepeatedChunks{"_QMRepeatedChunks", u"repeated chunks"};
const TMessageEntry QMReplace{"_QMReplace", u"Replace"};
const TMessageEntry QMReplaceAllSelected{"_QMReplaceAllSelected", u"Replace all selected"};
const TMessageEntry QMReplaceXWithNewVersionQ{"_QMReplaceXWithNewVersionQ",
                                              u"OK to replace %s with the new version?"};
const TMessageEntry QMReplaceXWithNewVersionWithBackupQ{
    "_QMReplaceXWithNewVersionWithBackupQ",
    u"OK to replace %s with the new version (keeping a backup)"};
const TMessageEntry QMRequireXinContext{"_QMRequireXinContext", u"require %s in context"};
const TMessageEntry QMResetDefaultTo{"_QMResetDefaultTo", u"Reset default to"};
const TMessageEntry QMRestore{"_QMRestore", u"Restore"};
const TMessageEntry QMRestoreFactoryDefaults{"_QMRestoreFactoryDefaults",
                                             u"Restore factory defaults"};
const TMessageEntry QMRestoreMarkup{"_QMRestoreMarkup", u"Restore markup"};
const TMessageEntry QMResults{"_QMResults", u"results"};
const TMessageEntry QMResultsAreVisibleInTabX{"_QMResultsAreVisibleInTabX",
                                              u"Results are in the tab labelled %s"};
const TMessageEntry QMResultsOfSHaveBeenAddedToNotes{"_QMResultsOfSHaveBeenAddedToNotes",
                                                     u"Results of %s have been added to Notes"};
const TMessageEntry QMResume{"_QMResume", u"Resume"};
const TMessageEntry QMReverseAlphabetical{"_QMReverseAlphabetical", u"reverse alphabetical"};
const TMessageEntry QMReverseDeletion{"_QMReverseDeletion", u"Reverse deletion"};
const TMessageEntry QMRevertingToXView{"_QMRevertingToXView", u"reverting to %s view"};
const TMessageEntry QMRoundedRectangle{"_QMRoundedRectangle", u"rounded rectangle"};
const TMessageEntry QMrow_separator_string_off{"_QMrow_separator_string_off", u"row separator off"};
const TMessageEntry QMrow_separator_string_on{"_QMrow_separator_string_on", u"row separator on"};
const TMessageEntry QMRowNumber{"_QMRowNumber", u"row number"};
const TMessageEntry QMRowsX{"_QMRowsX", u"rows %s"};
const TMessageEntry QMRules{"_QMRules", u"rules"};
const TMessageEntry QMS1S2Differ{"_QMS1S2Differ", u"%s and %s differ"};
const TMessageEntry QMSavedData{"_QMSavedData", u"saved data"};
const TMessageEntry QMSavedOK{"_QMSavedOK", u"saved OK"};
const TMessageEntry QMSaveLemmasAsLemmaList{"_QMSaveLemmasAsLemmaList",
                                            u"Save lemmas as a lemma list"};
const TMessageEntry QMSaveSelectionFirst{"_QMSaveSelectionFirst", u"Save the selection first"};
const TMessageEntry QMSaveTextFileDataCanList{"_QMSaveTextFileDataCanList",
                                              u"Save as a text file (the data can be listed)"};
const TMessageEntry QMSaveTheseSettings{"_QMSaveTheseSettings", u"Save these settings"};
const TMessageEntry QMSaveXQ{"_QMSaveXQ", u"Save %s?"};
const TMessageEntry QMSavingClusterWordlists{"_QMSavingClusterWordlists",
                                             u"saving cluster word lists"};
const TMessageEntry QMSavingNConcgramClusters{"_QMSavingNConcgramClusters",
                                              u"saving %d concgram clusters"};
const TMessageEntry QMScore{"_QMScore", u"score"};
const TMessageEntry QMScores{"_QMScores", u"scores"};
const TMessageEntry QMScript{"_QMScript", u"script"};
const TMessageEntry QMSDeleted{"_QMSDeleted", u"%s deleted"};
const TMessageEntry QMSDeletedAsZeroSize{"_QMSDeletedAsZeroSize",
                                         u"%s deleted as it had zero size"};
const TMessageEntry QMSDX{"_QMSDX", u"SD %s"};
const TMessageEntry QMSearch{"_QMSearch", u"Search"};
const TMessageEntry QMSearchAndReplace{"_QMSearchAndReplace", u"Search and Replace"};
const TMessageEntry QMSearchCopyProblem{"_QMSearchCopyProblem", u"search copy problem"};
const TMessageEntry QMSearchEngineContacted{"_QMSearchEngineContacted", u"search engine contacted"};
const TMessageEntry QMSearchEngineFailing{"_QMSearchEngineFailing", u"search engine failing"};
const TMessageEntry QMSearchEngineInfoDownloaded{"_QMSearchEngineInfoDownloaded",
                                                 u"search engine information downloaded"};
const TMessageEntry QMSearchEngineURL{"_QMSearchEngineURL", u"search engine URL"};
const TMessageEntry QMSearches{"_QMSearches", u"searches"};
const TMessageEntry QMSearchFailedToFindS{"_QMSearchFailedToFindS",
                                          u"The search failed to find %s"};
const TMessageEntry QMSearchFoundX{"_QMSearchFoundX", u"The search found %s"};
const TMessageEntry QMSearchWithin{"_QMSearchWithin", u"search within"};
const TMessageEntry QMSearchWord{"_QMSearchWord", u"search word"};
const TMessageEntry QMSearchWordFile{"_QMSearchWordFile", u"search-word file"};
const TMessageEntry QMSearchWordsNString{"_QMSearchWordsNString", u"search words: %s"};
const TMessageEntry QMSecondPass{"_QMSecondPass", u"second pass"};
const TMessageEntry QMSecondsPerWord{"_QMSecondsPerWord", u"seconds per word"};
const TMessageEntry QMSections{"_QMSections", u"sections"};
const TMessageEntry QMSeekingX{"_QMSeekingX", u"seeking %s"};
const TMessageEntry QMSelectingBetween{"_QMSelectingBetween", u"selecting between"};
const TMessageEntry QMSelectingWithin{"_QMSelectingWithin", u"selecting within"};
const TMessageEntry QMSelectOneLanguage{"_QMSelectOneLanguage", u"Select one language"};
const TMessageEntry QMSelectTheWordWhichEndsALine{"_QMSelectTheWordWhichEndsALine",
                                                  u"Select the word which ends a line"};
const TMessageEntry QMSentenceInitialBracket{"_QMSentenceInitialBracket",
                                             u"sentence-initial bracket"};
const TMessageEntry QMSentences{"_QMSentences", u"sentences"};
const TMessageEntry QMSetAllToMinimum{"_QMSetAllToMinimum", u"Set all to minimum"};
const TMessageEntry QMSetColumnD{"_QMSetColumnD", u"Set column %d"};
const TMessageEntry QMSetMinimumLinkSpanAbove1{"_QMSetMinimumLinkSpanAbove1",
                                               u"Set the minimum link span above 1"};
const TMessageEntry QMSettingsTextAndLanguages{"_QMSettingsTextAndLanguages",
                                               u"Settings: Text and Languages"};
const TMessageEntry QMSHasZeroSize{"_QMSHasZeroSize", u"%s has zero size"};
const TMessageEntry QMShortcut{"_QMShortcut", u"shortcut"};
const TMessageEntry QMShortLine{"_QMShortLine", u"short line"};
const TMessageEntry QMShowInExistingConcordance{"_QMShowInExistingConcordance",
                                                u"show in this concordance"};
const TMessageEntry QMShowPairsBothWays{"_QMShowPairsBothWays", u"Show pairs both ways"};
const TMessageEntry QMShowParagraphs{"_QMShowParagraphs", u"Show paragraphs"};
const TMessageEntry QMShowSelectedWdsForTheseFilenames{
    "_QMShowSelectedWdsForTheseFilenames", u"Show the selected words for these file names"};
const TMessageEntry QMShowSentences{"_QMShowSentences", u"Show sentences"};
const TMessageEntry QMShowWhatFits{"_QMShowWhatFits", u"Show what fits"};
const TMessageEntry QMShowX{"_QMShowX", u"Show %s"};
const TMessageEntry QMSimilar{"_QMSimilar", u"similar"};
const TMessageEntry QMSimplifyingXML{"_QMSimplifyingXML", u"simplifying XML"};
const TMessageEntry QMSingleByteFormat{"_QMSingleByteFormat", u"single-byte format"};
const TMessageEntry QMSIsntAFolder{"_QMSIsntAFolder", u"%s isn't a folder"};
const TMessageEntry QMSize{"_QMSize", u"size"};
const TMessageEntry QMSkipIt{"_QMSkipIt", u"Skip it?"};
const TMessageEntry QMSmallIcons{"_QMSmallIcons", u"small icons"};
const TMessageEntry QMSNotRenamed{"_QMSNotRenamed", u"%s not renamed"};
const TMessageEntry QMSomeFiles{"_QMSomeFiles", u"some files"};
const TMessageEntry QMSorry{"_QMSorry", u"Sorry"};
const TMessageEntry QMSorryFunctionNot{"_QMSorryFunctionNot",
                                       u"Sorry, function not implemented yet."};
const TMessageEntry QMSorryUnderMaintenance{
    "_QMSorryUnderMaintenance",
    u"This function is under maintenance,\r%s\rWe hope to have improvements in the next "
    u"upload.\r(see Updates in the main Controller)."};
const TMessageEntry QMSortNow{"_QMSortNow", u"Sort now"};
const TMessageEntry QMSortQuery{"_QMSortQuery", u"Sort?"};
const TMessageEntry QMSourceandDestinationMustDiffer{"_QMSourceandDestinationMustDiffer",
                                                     u"The source and the destination must differ"};
const TMessageEntry QMSourceFilename{"_QMSourceFilename", u"source file name"};
const TMessageEntry QMSourceIndexFile{"_QMSourceIndexFile", u"Source Index file ("};
const TMessageEntry QMSourceTextNotFound{"_QMSourceTextNotFound", u"source text not found"};
const TMessageEntry QMSoUsetheNFileXIsBasedOn{"_QMSoUsetheNFileXIsBasedOn",
                                              u"so use the %.0n that %s is based on?"};
const TMessageEntry QMSpanSetting{"_QMSpanSetting", u"Span setting = %d"};
const TMessageEntry QMSplit{"_QMSplit", u"Split"};
const TMessageEntry QMSplitLineQ{"_QMSplitLineQ", u"Split line?"};
const TMessageEntry QMSplittingFileSToFolderS{"_QMSplittingFileSToFolderS",
                                              u"splitting file %s to folder %s"};
const TMessageEntry QMSRenamedAsS{"_QMSRenamedAsS", u"%s renamed as %s"};
const TMessageEntry QMSRTTRanscripts{"_QMSRTTRanscripts", u"SRT transcripts"};
const TMessageEntry QMSSkipped{"_QMSSkipped", u"%s skipped"};
const TMessageEntry QMStandAlone{"_QMStandAlone", u"stand-alone"};
const TMessageEntry QMStandardisedTypeTo{"_QMStandardisedTypeTo", u"standardised type/token ratio"};
const TMessageEntry QMStandardisedTypeTo1{"_QMStandardisedTypeTo1",
                                          u"standardised type/token ratio std. dev."};
const TMessageEntry QMStandardisedTypeTo2{"_QMStandardisedTypeTo2",
                                          u"standardised type/token ratio basis"};
const TMessageEntry QMStart{"_QMStart", u"Start"};
const TMessageEntry QMStartAnother{"_QMStartAnother", u"Start another "};
const TMessageEntry QMStdDev{"_QMStdDev", u"std. dev."};
const TMessageEntry QMStop{"_QMStop", u"Stop"};
const TMessageEntry QMStopAt{"_QMStopAt", u"stop at"};
const TMessageEntry QMStopAtEndOfText{"_QMStopAtEndOfText", u"stop at end of text"};
const TMessageEntry QMStopAtHeadingBrea{"_QMStopAtHeadingBrea", u"stop at heading break"};
const TMessageEntry QMStopAtParagraphBr{"_QMStopAtParagraphBr", u"stop at paragraph break"};
const TMessageEntry QMStopAtPunctuation{"_QMStopAtPunctuation", u"stop at punctuation"};
const TMessageEntry QMStopAtSectionBrea{"_QMStopAtSectionBrea", u"stop at section break"};
const TMessageEntry QMStopAtSentenceBre{"_QMStopAtSentenceBre", u"stop at sentence break"};
const TMessageEntry QMStopList{"_QMStopList", u"stop list"};
const TMessageEntry QMStopListFileS{"_QMStopListFileS", u"stop list file %s"};
const TMessageEntry QMStopListWords{"_QMStopListWords", u"stop list words"};
const TMessageEntry QMStopped{"_QMStopped", u"stopped"};
const TMessageEntry QMStoppedWhenTryingToProcessX{"_QMStoppedWhenTryingToProcessX",
                                                  u"stopped when trying to process %s"};
const TMessageEntry QMStoppingASAP{"_QMStoppingASAP", u"STOPPING as soon as possible, time=%s"};
const TMessageEntry QMStoppingAtEOF{"_QMStoppingAtEOF", u"stopping at end of file"};
const TMessageEntry QMStoreAllDir{"_QMStoreAllDir", u"folder to store all results"};
const TMessageEntry QMStoreDir{"_QMStoreDir", u"folder to store results"};
const TMessageEntry QMSuccessfullyProcessed{"_QMSuccessfullyProcessed", u"successfully processed"};
const TMessageEntry QMSuffix{"_QMSuffix", u"suffix"};
const TMessageEntry QMSUnacceptableNFrequency{
    "_QMSUnacceptableNFrequency", u"%s has an unacceptable frequency (%d) for this procedure"};
const TMessageEntry QMSureYouWantTo{"_QMSureYouWantTo", u"Sure you want to %s?"};
const TMessageEntry QMSwappedLetterRule{"_QMSwappedLetterRule", u"swapped letter rule"};
const TMessageEntry QMSwappingTagAndWord{"_QMSwappingTagAndWord", u"swapping tag and word"};
const TMessageEntry QMSwappingUnderscoreTagAnd_Word{"_QMSwappingUnderscoreTagAnd_Word",
                                                    u"swapping word_TAG to TAG_word"};
const TMessageEntry QMSwitchOnNeedsSwitchOff{"_QMSwitchOnNeedsSwitchOff",
                                             u"Switching this on needs the other switched off"};
const TMessageEntry QMSymbolsTreatedAsCharacters{"_QMSymbolsTreatedAsCharacters",
                                                 u"%s symbols treated as characters: "};
const TMessageEntry QMTagContext{"_QMTagContext", u"tag context"};
const TMessageEntry QMTagFileEntriesFound{"_QMTagFileEntriesFound", u"tag file entries found"};
const TMessageEntry QMTagfileTags{"_QMTagfileTags", u"tag file tags"};
const TMessageEntry QMTagFormatWrong{"_QMTagFormatWrong", u"The tag format is wrong"};
const TMessageEntry QMTags{"_QMTags", u"tags"};
const TMessageEntry QMTagsAsAffixToWords{"_QMTagsAsAffixToWords", u"tags as affix to words"};
const TMessageEntry QMTagSetNameQ{"_QMTagSetNameQ", u"Tag set name?"};
const TMessageEntry QMTagsOnlyNoWords{"_QMTagsOnlyNoWords", u"tags only, no words"};
const TMessageEntry QMTagsToExcludeHandled{"_QMTagsToExcludeHandled", u"tags to exclude handled"};
const TMessageEntry QMTagsToIgnore{"_QMTagsToIgnore", u"tags to ignore"};
const TMessageEntry QMTagsToKeepHandled{"_QMTagsToKeepHandled", u"%d tagfile tags handled"};
const TMessageEntry QMTagsToTranslateFound{"_QMTagsToTranslateFound", u"tags to translate found"};
const TMessageEntry QMTagsToTranslateHandled{"_QMTagsToTranslateHandled",
                                             u"tags to translate handled"};
const TMessageEntry QMTagTreatmentIs{"_QMTagTreatmentIs", u"tag treatment is"};
const TMessageEntry QMTempFileCreated{"_QMTempFileCreated", u"Temp file created:"};
const TMessageEntry QMTemplateNeedsHash{"_QMTemplateNeedsHash", u"The template needs a # symbol"};
const TMessageEntry QMTestN{"_QMTestN", u"test %d"};
const TMessageEntry QMTextFile{"_QMTextFile", u"text file"};
const TMessageEntry QMTextFileChangesNotSpecified{"_QMTextFileChangesNotSpecified",
                                                  u"The text file changes are not specified"};
const TMessageEntry QMTexts{"_QMTexts", u"texts"};
const TMessageEntry QMTextsNString{"_QMTextsNString", u"texts: %s"};
const TMessageEntry QMTextX{"_QMTextX", u"text %s"};
const TMessageEntry QMTheseFiles{"_QMTheseFiles", u"these files"};
const TMessageEntry QMThisVersion{"_QMThisVersion", u"this version"};
const TMessageEntry QMThisWillZapYourD{"_QMThisWillZapYourD",
                                       u"This will zap your data down from %.0n to %.0n entries"};
const TMessageEntry QMThoughItWonTDel{"_QMThoughItWonTDel",
                                      u"(though it won't delete any saved data on disk)"};
const TMessageEntry QMThumbnails{"_QMThumbnails", u"thumbnails"};
const TMessageEntry QMTiles{"_QMTiles", u"tiles"};
const TMessageEntry QMTimedOut{"_QMTimedOut", u"timed out"};
const TMessageEntry QMTo{"_QMTo", u"to"};
const TMessageEntry QMToChooseTheRightLanguage{"_QMToChooseTheRightLanguage",
                                               u"to choose the right language"};
const TMessageEntry QMToken{"_QMToken", u"token"};
const TMessageEntry QMTokenDifferences{"_QMTokenDifferences", u"token differences"};
const TMessageEntry QMTokensRunningWord{"_QMTokensRunningWord", u"tokens (running words)"};
const TMessageEntry QMTokensUsedForWord{"_QMTokensUsedForWord", u"tokens used for word list"};
const TMessageEntry QMToLeftAndRight{"_QMToLeftAndRight", u"to left and right"};
const TMessageEntry QMToMergeTheIndivid{"_QMToMergeTheIndivid",
                                        u"to merge the individual results in it into one?"};
const TMessageEntry QMToo{"_QMToo", u"too?"};
const TMessageEntry QMTooFewConcordanceClustersOf{
    "_QMTooFewConcordanceClustersOf",
    u"Too few clusters of size %d - %d with minimum frequency %d found"};
const TMessageEntry QMTookNMs{"_QMTookNMs", u"took %d ms"};
const TMessageEntry QMTookNSeconds{"_QMTookNSeconds", u"took %d seconds"};
const TMessageEntry QMTookX{"_QMTookX", u"took %s"};
const TMessageEntry QMTooLittleDataWith{"_QMTooLittleDataWith",
                                        u"Nothing more frequent than %d, less than %1.3f %%, and "
                                        u"with relationships as specified found in %s"};
const TMessageEntry QMToolProgress{"_QMToolProgress", u"Tool progress"};
const TMessageEntry QMToolStopping{"_QMToolStopping", u"Tool stopping"};
const TMessageEntry QMToolTextFiles{"_QMToolTextFiles", u"Tool text files"};
const TMessageEntry QMToRemoveLineBreaksParaMustBeDefined{
    "_QMToRemoveLineBreaksParaMustBeDefined",
    u"To remove line breaks, the paragraph end must be defined"};
const TMessageEntry QMToSeeConcgramDetailsDoubleClick{"_QMToSeeConcgramDetailsDoubleClick",
                                                      u"To see concgram details, double-click"};
const TMessageEntry QMToSeeConcgramDetailsGetWordsIntoListbox{
    "_QMToSeeConcgramDetailsGetWordsIntoListbox",
    u"To see concgram details, get the words into the list box"};
const TMessageEntry QMToSeeTheIndividua{"_QMToSeeTheIndividua",
                                        u"to see the individual results in it?"};
const TMessageEntry QMToStr{"_QMToStr", u" to "};
const TMessageEntry QMTotalXEquals{"_QMTotalXEquals", u"total %s ="};
const TMessageEntry QMToViewItAllPull{"_QMToViewItAllPull",
                                      u"To view it all, pull the header wider, or use %s."};
const TMessageEntry QMTryAnAsterisk{"_QMTryAnAsterisk", u"Try an asterisk"};
const TMessageEntry QMTryingX{"_QMTryingX", u"trying %s"};
const TMessageEntry QMTxt{"_QMTxt", u".txt"};
const TMessageEntry QMType{"_QMType", u"type"};
const TMessageEntry QMTypeDifferences{"_QMTypeDifferences", u"type differences"};
const TMessageEntry QMTypesDistinctWord{"_QMTypesDistinctWord", u"types (distinct words)"};
const TMessageEntry QMTypeTokenRatio{"_QMTypeTokenRatio", u"type/token ratio (TTR)"};
const TMessageEntry QMUndefinedTags{"_QMUndefinedTags", u"undefined tags"};
const TMessageEntry QMUnderscoreMarkupToAngleBackets{"_QMUnderscoreMarkupToAngleBackets",
                                                     u"underscore markup to angle brackets"};
const TMessageEntry QMUnicode{"_QMUnicode", u"Unicode"};
const TMessageEntry QMUnicodeBigEndian{"_QMUnicodeBigEndian", u"Unicode big-endian"};
const TMessageEntry QMUnJoinAll{"_QMUnJoinAll", u"Unjoin all entries?"};
const TMessageEntry QMUnknownSourceTextFile{"_QMUnknownSourceTextFile",
                                            u"unknown source text file"};
const TMessageEntry QMunmatched_bracket{"_QMunmatched_bracket", u"unmatched bracket in: %s"};
const TMessageEntry QMUnsaved{"_QMUnsaved", u"unsaved"};
const TMessageEntry QMUNusualLine{"_QMUNusualLine", u"unusual line"};
const TMessageEntry QMUpdateFontsColour{"_QMUpdateFontsColour",
                                        u"Update Fonts, Colours etc. for this screen?"};
const TMessageEntry QMUseCustomSortForLanguageL{"_QMUseCustomSortForLanguageL",
                                                u"use custom sort for %s?"};
const TMessageEntry QMUseDirForAllResults{"_QMUseDirForAllResults",
                                          u"Use folders %s \\0, \\1 etc. for all results?"};
const TMessageEntry QMUserDefinedListAs{"_QMUserDefinedListAs", u"user-defined list as"};
const TMessageEntry QMUseSameSourceTexts{"_QMUseSameSourceTexts", u"Use the same source texts?"};
const TMessageEntry QMUseTempDir{"_QMUseTempDir", u"use the temporary folder"};
const TMessageEntry QMUseTheSameXForAllTools{"_QMUseTheSameXForAllTools",
                                             u"Use the same %s for all Tools?"};
const TMessageEntry QMUseXasMask{"_QMUseXasMask", u"use %s as mask"};
const TMessageEntry QMUseXasTemplate{"_QMUseXasTemplate", u"use %s as template"};
const TMessageEntry QMUseXOptionToDoY{"_QMUseXOptionToDoY", u"Use %s to %s"};
const TMessageEntry QMUsingTheRule{"_QMUsingTheRule", u"using the rule"};
const TMessageEntry QMUTF8{"_QMUTF8", u"UTF-8"};
const TMessageEntry QMValues{"_QMValues", u"values"};
const TMessageEntry QMVariants{"_QMVariants", u"variants"};
const TMessageEntry QMVersion{"_QMVersion", u"version"};
const TMessageEntry QMVersionAndCompileDate{"_QMVersionAndCompileDate",
                                            u"version and compile date"};
const TMessageEntry QMVersionDatesFrom{"_QMVersionDatesFrom", u"version dates from"};
const TMessageEntry QMVersionIsXDaysOldRunVersionUpdate{
    "_QMVersionIsXDaysOldRunVersionUpdate",
    u"Your version is %d days old: suggest you run Version Update"};
const TMessageEntry QMVideoLanPlayerNeeded{"_QMVideoLanPlayerNeeded",
                                           u"The VideoLAN player is needed"};
const TMessageEntry QMVideoLANPlayerVersionError{"_QMVideoLANPlayerVersionError",
                                                 u"VideoLAN player version error"};
const TMessageEntry QMViewFileNow{"_QMViewFileNow", u"View the file now?"};
const TMessageEntry QMWaitingForZip{"_QMWaitingForZip", u"waiting for zip"};
const TMessageEntry QMWanted{"_QMWanted", u"wanted"};
const TMessageEntry QMWarning{"_QMWarning", u"Warning"};
const TMessageEntry QMWhereColumnsHaveP{
    "_QMWhereColumnsHaveP",
    u"Where columns have purple lines the data is too wide for the column. "};
const TMessageEntry QMWholePlotHighlightedIsNmanyWords{"_QMWholePlotHighlightedIsNmanyWords",
                                                       u"the whole plot highlighted is %.0n words"};
const TMessageEntry QMWillIgnoreEntriesNotInXYPercentOfTexts{
    "_QMWillIgnoreEntriesNotInXYPercentOfTexts",
    u"Your settings will ignore entries not in at least %d of the %d text files (%.1n%%)"};
const TMessageEntry QMWindow{"_QMWindow", u"window"};
const TMessageEntry QMWindowsDefault{"_QMWindowsDefault", u"Windows default"};
const TMessageEntry QMWith{"_QMWith", u"with"};
const TMessageEntry QMWithColumnTotals{"_QMWithColumnTotals", u"with column totals"};
const TMessageEntry QMWithHTMSteeringFile{"_QMWithHTMSteeringFile", u"with .htm steering file"};
const TMessageEntry QMWithinSameWord{"_QMWithinSameWord", u"within the same word"};
const TMessageEntry QMWithoutHoles{"_QMWithoutHoles", u"without holes"};
const TMessageEntry QMWithSoMuchDataB{"_QMWithSoMuchDataB",
                                      u"With so much data, this may take a long time"};
const TMessageEntry QMWord{"_QMWord", u"word"};
const TMessageEntry QMWordFinal{"_QMWordFinal", u"word-final"};
const TMessageEntry QMWordInitial{"_QMWordInitial", u"word-initial"};
const TMessageEntry QMWordLength{"_QMWordLength", u"word length"};
const TMessageEntry QMWordLengths{"_QMWordLengths", u"word lengths"};
const TMessageEntry QMWordLengthStdDev{"_QMWordLengthStdDev", u"word length std. dev."};
const TMessageEntry QMWordlistFilesMightNeedResortingQuitQ{
    "_QMWordlistFilesMightNeedResortingQuitQ", u"The word list files might need re-sorting. Quit?"};
const TMessageEntry QMWordListMustMatchCorpus{"_QMWordListMustMatchCorpus",
                                              u"The word list must match the corpus"};
const TMessageEntry QMWordlistsMergedFromFile{"_QMWordlistsMergedFromFile",
                                              u"word lists merged from file"};
const TMessageEntry QMWordlistTXTFilenameNeeded{"_QMWordlistTXTFilenameNeeded",
                                                u"wordlist (.txt) filename needed"};
const TMessageEntry QMWordListZipfile{"_QMWordListZipfile", u"word list zip file"};
const TMessageEntry QMWordMedial{"_QMWordMedial", u"word-medial"};
const TMessageEntry QMWordNIs{"_QMWordNIs", u"word %d is"};
const TMessageEntry QMWordReplacements{"_QMWordReplacements", u"word replacements"};
const TMessageEntry QMWords{"_QMWords", u"words"};
const TMessageEntry QMWordsNoTags{"_QMWordsNoTags", u"words, no tags"};
const TMessageEntry QMWordsPastLastHit{"_QMWordsPastLastHit", u"words past the last hit"};
const TMessageEntry QMWorkingPercent{"_QMWorkingPercent", u"working percent"};
const TMessageEntry QMXBasis{"_QMXBasis", u"%s basis"};
const TMessageEntry QMXContainingYWillBEExcludedQ{"_QMXContainingYWillBEExcludedQ",
                                                  u"%s containing %s will be excluded?"};
const TMessageEntry QMXcontinued{"_QMXcontinued", u"%s continued"};
const TMessageEntry QMXconverted{"_QMXconverted", u"%s converted"};
const TMessageEntry QMXconverted_equalsY{"_QMXconverted_equalsY", u"%s converted = %s"};
const TMessageEntry QMXEqualsAndSpan{"_QMXEqualsAndSpan", u"%s = and span"};
const TMessageEntry QMXFiltered{"_QMXFiltered", u"%s filtered"};
const TMessageEntry QMXFoundInY{"_QMXFoundInY", u"%s found in %s"};
const TMessageEntry QMXFoundNStrTimesInY{"_QMXFoundNStrTimesInY", u"%s found %s times in %s"};
const TMessageEntry QMXFoundNtimesInY{"_QMXFoundNtimesInY", u"%s found %d times in %s"};
const TMessageEntry QMXFrequency{"_QMXFrequency", u"%s frequency"};
const TMessageEntry QMXIncludedTF{"_QMXIncludedTF", u"%s included: %s"};
const TMessageEntry QMXIsAlreadyInUse{"_QMXIsAlreadyInUse", u"%s is already in use"};
const TMessageEntry QMXIsLoaded{"_QMXIsLoaded", u"%s is loaded"};
const TMessageEntry QMXIsntRecommended{"_QMXIsntRecommended", u"%s isn't recommended"};
const TMessageEntry QMXKWsInDatabase{"_QMXKWsInDatabase", u"%s key words in database"};
const TMessageEntry QMXLSX_ConversionNotImplemented{"_QMXLSX_ConversionNotImplemented",
                                                    u"XLSX conversion not implemented yet."};
const TMessageEntry QMXLSXReadNotImplemented{"_QMXLSXReadNotImplemented",
                                             u"XLSX file reading not implemented yet."};
const TMessageEntry QMXModified{"_QMXModified", u"%s (modified)"};
const TMessageEntry QMXNotFound{"_QMXNotFound", u"%s not found"};
const TMessageEntry QMXNotFoundOrFaulty{"_QMXNotFoundOrFaulty", u"%s not found or faulty"};
const TMessageEntry QMXNotWanted{"_QMXNotWanted", u"%s not wanted"};
const TMessageEntry QMXORYNotFoundOrFaulty{"_QMXORYNotFoundOrFaulty",
                                           u"%s or %s not found or faulty"};
const TMessageEntry QMXSavedOK{"_QMXSavedOK", u"%s saved OK"};
const TMessageEntry QMXScoreEqualsX{"_QMXScoreEqualsX", u"%s score = %s"};
const TMessageEntry QMXtoYWordClusters{"_QMXtoYWordClusters", u"%s to %s word clusters"};
const TMessageEntry QMXWanted{"_QMXWanted", u"%s wanted"};
const TMessageEntry QMXWontWork{"_QMXWontWork", u"%s won't work"};
const TMessageEntry QMXWordClusters{"_QMXWordClusters", u"%s word clusters"};
const TMessageEntry QMYearAndMonth{"_QMYearAndMonth", u"year and month"};
const TMessageEntry QMYOucanMake{"_QMYOucanMake", u"You can make"};
const TMessageEntry QMYouChoseXbutLowestPossibleIsYQuitQ{
    "_QMYouChoseXbutLowestPossibleIsYQuitQ", u"You chose %s but the lowest possible is %s. Quit?"};
const TMessageEntry QMYouHaveNTextsChosen{"_QMYouHaveNTextsChosen",
                                          u"You have %.0n text file(s) chosen"};
const TMessageEntry QMYouHavenTYetComp{"_QMYouHavenTYetComp",
                                       u"You haven't yet computed collocate association strength"};
const TMessageEntry QMYouHaveTagSymbolsInX{"_QMYouHaveTagSymbolsInX",
                                           u"You have tag-symbols in %s"};
const TMessageEntry QMYOuMayNeedRegAgain{"_QMYOuMayNeedRegAgain",
                                         u"You may need to register again"};
const TMessageEntry QMYouMayNeedToINstallLanguages{"_QMYouMayNeedToINstallLanguages",
                                                   u"You may need to install languages"};
const TMessageEntry QMYouMustSelectOne{"_QMYouMustSelectOne",
                                       u"You must select one of the words to"};
const TMessageEntry QMZeroSize{"_QMZeroSize", u"zero size"};
const TMessageEntry QMZipFile{"_QMZipFile", u"zip file"};
const TMessageEntry QMZippedText{"_QMZippedText", u"zipped text"};
const TMessageEntry QMZipping{"_QMZipping", u"zipping"};
const TMessageEntry WESEpisodes{"_WESEpisodes", u"episodes"};

namespace {

// Ordered by name (byte order), for binary search.
const TMessageEntry* const kEntries[] = {
    &QM1Entry,
    &QM1Folder,
    &QM1LetterDifferenceRule,
    &QM1Text,
    &QM1hit,
    &QM2nd,
    &QM3rd,
    &QM4th,
    &QM5th,
    &QM6th,
    &QM7th,
    &QM8th,
    &QMANYINTHISLIST,
    &QMAbout,
    &QMAbove,
    &QMAction,
    &QMAddX,
    &QMAddingNmanyConcgramItems,
    &QMAddingTXT,
    &QMAddingToIndex,
    &QMAddingTxtIfNecessary,
    &QMAdjTab,
    &QMAdministratorRightsNeeded,
    &QMAll,
    &QMAllConversionsAreLandRBounded,
    &QMAllPagesEqualsNPagesToPrint,
    &QMAllXPresentOnDisk,
    &QMAllowedAtPosXOfWord,
    &QMAlphabetical,
    &QMAlterRegistry,
    &QMAlterations,
    &QMAnagramsRule,
    &QMAnalyse,
    &QMAnd,
    &QMAndAllSubFolders,
    &QMAndAllSubFoldersExcludingAnyListedBelow,
    &QMAndSubFolders,
    &QMAndWhereTied,
    &QMAndZipFiles,
    &QMAnsi,
    &QMAnyAdvancedSettingsAreGreyedOut,
    &QMAnyOfTheItemsContainedInTheList,
    &QMAnyScoringAtLeastX,
    &QMAnyScriptsRemoved,
    &QMAnyTool,
    &QMAnyUTFFiles,
    &QMAnywhere,
    &QMAnywhereInEachText,
    &QMApproxXTimeToGo,
    &QMAreYouConcordancin,
    &QMAreYouSureYouWantTo,
    &QMAssociateProcedure,
    &QMAssociatedOfS,
    &QMAssociates,
    &QMAutoSaving,
    &QMAutomaticallyLoaded,
    &QMBadExpression,
    &QMBaseIndexIsFaulty,
    &QMBasedOnNmanyFiles,
    &QMBasedOnStr,
    &QMBasicMode,
    &QMBatchN,
    &QMBatchXZipname,
    &QMBeAwareNetworkIsSlow,
    &QMBeforeX,
    &QMBelow,
    &QMBelowCollocMinFreq,
    &QMBetweenXandY,
    &QMBewareAllPagesEqualsNPagesToPrint,
    &QMBoilerplate,
    &QMBotX,
    &QMBracketingTagNotWord,
    &QMBracketsOnly,
    &QMBugReport,
    &QMBuildingSubFolders,
    &QMButNot,
    &QMButtons,
    &QMBytePositions,
    &QMCRLFSWereIgnored,
    &QMCanT,
    &QMCanTCompareWithT,
    &QMCanTDeleteColumn,
    &QMCanTEditColumn,
    &QMCanTMergeWithSam,
    &QMCannotCommunicateW,
    &QMCannotComputeBecauseMultipleSourceTexts,
    &QMCannotComputeXIfLangsDiffer,
    &QMCannotEncryptWithoutEncryptStr,
    &QMCannotProceedAsSo,
    &QMCannotWriteToX,
    &QMCantAccessFile,
    &QMCantChooseZScoreForKWDBase,
    &QMCantReadFile,
    &QMCantSortOnContex,
    &QMCapitalising,
    &QMCaseSensitive,
    &QMCategory,
    &QMCentre,
    &QMChangeLanguageAway,
    &QMChangeLanguageFromXToY,
    &QMChangeSelection,
    &QMCharacter,
    &QMCharacterEntities,
    &QMCharacterReplacements,
    &QMCharacters,
    &QMChargram,
    &QMCheckedColumnsWillBeShown,
    &QMCheckingAllWords,
    &QMCheckingAllWordsBeginningWith,
    &QMCheckingXOK,
    &QMChoose1Chargramlist,
    &QMChoose1ConcordanceList,
    &QMChoose1KWListOrDatabase,
    &QMChoose1Wordlist,
    &QMChooseACharacterNumber,
    &QMChooseAConcordanceBasedOnSameSearch,
    &QMChooseADestinationFolder,
    &QMChooseADriveAndFolder,
    &QMChooseAFile,
    &QMChooseAMatchListAction,
    &QMChooseASourceTextsFolder,
    &QMChooseAnEndOfTextSeparator,
    &QMChooseAnother,
    &QMChooseHeaderRowAndColumnsToMerge,
    &QMChooseTexts,
    &QMChooseTextsNow,
    &QMChooseTextsStr,
    &QMChooseTheLanguage,
    &QMChooseViewerOrAlignerFiles,
    &QMChooseWordListsAsText,
    &QMChooseWordlistIndexOfSameCorpus,
    &QMChooseXColumnForData,
    &QMChunk,
    &QMChunks,
    &QMChunksRestoredAs,
    &QMCircle,
    &QMClear,
    &QMClearColours,
    &QMClearPreviousSearch,
    &QMClearSpacesQ,
    &QMClearX,
    &QMClearingAngleBracketedMarkupFirst,
    &QMClearingMarkup,
    &QMClearingNmanyConcgramItems,
    &QMClickHelpForAdvic,
    &QMClickToSort,
    &QMClipboard,
    &QMClipboardPasteAsPicture,
    &QMClipboardPasteAsText,
    &QMCloseOrTryAgain,
    &QMCloseThisWindow,
    &QMClosingDownAndRestarting,
    &QMClusterSize,
    &QMClustersCanOnlyBe,
    &QMCode,
    &QMCodepageAndSort,
    &QMCodepageChange,
    &QMCollapse,
    &QMCollocateHorizonsXToY,
    &QMCollocateRelationship,
    &QMColourForeOnBack,
    &QMColourN,
    &QMColoursForX,
    &QMColumnLayout,
    &QMColumnsX,
    &QMComparingS1S2,
    &QMComputeColumnTotalsQ,
    &QMComputeNewConcordance,
    &QMComputed,
    &QMComputingConcgramTypes,
    &QMComputingX,
    &QMConcgramsSaved,
    &QMConcordance,
    &QMConcordanceEntries,
    &QMConcordanceZipfile,
    &QMConcordancingX,
    &QMCondition,
    &QMConsistency,
    &QMContactingX,
    &QMContextColonOpenQuotes,
    &QMContextPlain,
    &QMContextWordHorizonsXToY,
    &QMContinue,
    &QMContinuousStopListSlow,
    &QMControlPlotmarksWithXNotY,
    &QMConversion,
    &QMConversionInPLace,
    &QMConvert,
    &QMConvertIntoUnicode,
    &QMConvertThem,
    &QMConvertThemPermanently,
    &QMConvertToHeadingQ,
    &QMConvertToTXTRegardlessOfExtension,
    &QMConverted,
    &QMConvertedTextsHaveConversionExt,
    &QMConvertedTo,
    &QMConvertingIntoUnicode,
    &QMConvertingX,
    &QMCopyCurrentLine,
    &QMCopyFilesContaining,
    &QMCopyResultsToExcelToo,
    &QMCopySettingsFiles,
    &QMCopyingToX,
    &QMCouldNtSaveFileInFolder,
    &QMCouldnTFindAnyOf,
    &QMCouldnTFindFileS,
    &QMCouldnTFindOneOf,
    &QMCouldnTFindS,
    &QMCouldnTProcess,
    &QMCouldntRemoveFolderGoAhead,
    &QMCreate,
    &QMCreating,
    &QMCurlyQuotesAndDashes,
    &QMCurrentSettingsForX,
    &QMCurrentSortSettings,
    &QMCustomSort,
    &QMCut,
    &QMCutInNTexts,
    &QMCutXCharacters,
    &QMCuttingX,
    &QMDChunksCreatedInS,
    &QMDTagsHandled,
    &QMDataColumn,
    &QMDataCopiedToTheC,
    &QMDataCopiedToTheClipboard,
    &QMDataFromColumnCQ,
    &QMDataFromFirstXColumnsShowing,
    &QMDataFromFirstXFilesShowing,
    &QMDatabaseNTotalFiles,
    &QMDateSegmentHitsWordCount,
    &QMDecrypting,
    &QMDefaultSpecs,
    &QMDefaultsFile,
    &QMDefineWhereTheTop,
    &QMDeleteFilesContaining,
    &QMDeleteMatches,
    &QMDeleteNonMatches,
    &QMDeleteS,
    &QMDeleteXOK,
    &QMDeletedEntries,
    &QMDesktop,
    &QMDesktopLink,
    &QMDetails,
    &QMDiceCoefficientIs,
    &QMDiceCoefficients,
    &QMDifferentLanguages,
    &QMDigit,
    &QMDigits,
    &QMDispersion,
    &QMDispersionDetails,
    &QMDisregardingFirstNLetters,
    &QMDivisions,
    &QMDoYouWantToX,
    &QMDoYouWantToXorY,
    &QMDocumentHeader,
    &QMDone,
    &QMDoneN,
    &QMDoubleClickConcLine,
    &QMDoubleClickEntryForDetails,
    &QMDoubleClicked,
    &QMDownload,
    &QMDownloadStopped,
    &QMDuplicates,
    &QMEachRulerDivisionIsNmanyWords,
    &QMEditLineQ,
    &QMEllipse,
    &QMEmptyFile,
    &QMEmptyLine,
    &QMEmptyPrintPreview,
    &QMEncryptCopiesOnly,
    &QMEncrypting,
    &QMEnd,
    &QMEndLettersToIgnore,
    &QMEndOfTextSeparatorMustntStartWild,
    &QMEnhancedMetafile,
    &QMEnterNOfFrozenColumns,
    &QMEnterSetData,
    &QMEnterTagDividerCharacter,
    &QMEntriesNowInList,
    &QMEpisode,
    &QMError,
    &QMErrorConcordance,
    &QMEscapePressed,
    &QMExcelFormatTip,
    &QMExcluding,
    &QMExcludingFreqHigher,
    &QMExcludingXPercentFreq,
    &QMExcludingXY,
    &QMExclusiveSearchTF,
    &QMExpand,
    &QMExpandThisLine,
    &QMExpandingConcgramItemsToLevelD,
    &QMExtracting,
    &QMExtractionStringNotSpecified,
    &QMFactoryDefaults,
    &QMFailedToAccessInt,
    &QMFailedToAccessInt1,
    &QMFailedToAlterRegistry,
    &QMFailedToCreate,
    &QMFailedToImport,
    &QMFailedToInstall,
    &QMFailedToPlay,
    &QMFailedToPrepareTe,
    &QMFailedToReadGrid,
    &QMFailedToReadX,
    &QMFailedToRenameXasY,
    &QMFailedToSave,
    &QMFailedToSaveX,
    &QMFileHasaHole,
    &QMFileInUnicodeShowInUnicode,
    &QMFileIsOpenPleaseCloseIt,
    &QMFileIsntBiggerThanChunkSize,
    &QMFileSize,
    &QMFilenameNinBatch,
    &QMFilenameNmanyLines,
    &QMFilenames,
    &QMFilenamesMismatchInX,
    &QMFiles,
    &QMFilesNotMeetingSettings,
    &QMFilesToAlter,
    &QMFilterXtoYQ,
    &QMFiltered,
    &QMFilteredItems,
    &QMFilteringX,
    &QMFilters,
    &QMFinalSort,
    &QMFindWhat,
    &QMFinishThisFolderFirst,
    &QMFinishThisProcessFirst,
    &QMFinished,
    &QMFirstINeedAnInde,
    &QMFirstNWords,
    &QMFirstPass,
    &QMFirstPlotPosition,
    &QMFirstPosition,
    &QMFirstWord,
    &QMFirstXPercentMatch,
    &QMFitToPage,
    &QMFolder,
    &QMFolderForTempUse,
    &QMFolderIsReadOnly,
    &QMFolderNNmanyFiles,
    &QMFolderToCopy_moveTo,
    &QMFolders,
    &QMFollowConcordancefromCollocate,
    &QMFollowup,
    &QMFontHasHighCharacters,
    &QMFontIsAndSizeIs,
    &QMForThisChooseTextsStr,
    &QMForWindows2000Orlater,
    &QMFormNotFilledInRight,
    &QMFormatEqX,
    &QMFound,
    &QMFreq,
    &QMFreqInX,
    &QMFrequency,
    &QMFrequencyInCurrentText,
    &QMFrequencyInReferenceCorpus,
    &QMFrequencyInput,
    &QMFrequencyOutput,
    &QMFrequencySort,
    &QMFromColumnedText,
    &QMFromHTMLEntities,
    &QMFromUnix,
    &QMFromWord,
    &QMFunctionNFound,
    &QMFunctionXComputed,
    &QMGreyMarkupNChars,
    &QMHTML,
    &QMHTMLEntityFilenameNotFound,
    &QMHalting,
    &QMHaltingQuillmark,
    &QMHasHolesAtAbout,
    &QMHasToBeOpenedWit,
    &QMHasaHoleAtBytes,
    &QMHeadings,
    &QMHideX,
    &QMHitN,
    &QMHitWordContext,
    &QMHits,
    &QMHowMany,
    &QMHowManyEntries,
    &QMHyphensSeparateWords,
    &QMIfX,
    &QMIfXAndY,
    &QMIfXButNotY,
    &QMIfXOrY,
    &QMIgnoreMatching,
    &QMIgnorePunctuationInXQ,
    &QMImportedByUser,
    &QMInBatch,
    &QMInUnicode,
    &QMInX,
    &QMInZipFile,
    &QMIncludeDocs,
    &QMIncludeThisFileQuery,
    &QMIncludeZipFiles,
    &QMIncludingNInSubFolders,
    &QMIncludingXY,
    &QMIncompleteDownload,
    &QMIndex,
    &QMIndexFile,
    &QMIndexFrequency,
    &QMIndividualDownloads,
    &QMInformationSharedW,
    &QMIniFileOK,
    &QMInsertBlankLineQ,
    &QMInsertBracket,
    &QMInsertingNumbering,
    &QMInsertionDeletionRule,
    &QMIntoUnicode,
    &QMInvalidCharacter,
    &QMInvalidFileForTool,
    &QMInvalidNumber,
    &QMIsANoLongerCurre,
    &QMIsFaulty,
    &QMIsInTheOldFormat,
    &QMIsNotTheDefaultI,
    &QMIsThisTheTalkLanguageQ,
    &QMIsnTAQuillmarkTo,
    &QMIsnTAValidNumbe,
    &QMIsnTTwoValidNum,
    &QMItemNOfNAndLineNofN,
    &QMJoinXtoYQ,
    &QMKWDBSettingsWrongForKWDB,
    &QMKWSWith,
    &QMKWZipfile,
    &QMKWsWithFilename,
    &QMKeep,
    &QMKeepThingsSimple,
    &QMKeepingX,
    &QMKeyWordsEntriesReduced,
    &QMKeyWordsFoundLessThanNPercentMatches,
    &QMKeyWordsLinksReach,
    &QMKeyness,
    &QML,
    &QMLOwercase,
    &QMLanguageChangedTo,
    &QMLanguageFonts,
    &QMLanguageUsed,
    &QMLargeIcons,
    &QMLargeSourceText,
    &QMLastPlotPosition,
    &QMLatestVersionAndCompileDate,
    &QMLayoutMenuOption,
    &QMLemmaFileS,
    &QMLemmaFilenameNotFound,
    &QMLemmaForms,
    &QMLemmas,
    &QMLemmatising,
    &QMLetter,
    &QMLineContainsDoubleSpaces,
    &QMLineNofN,
    &QMLineNtoN,
    &QMLineStarting,
    &QMLineWithoutEndPunctuation,
    &QMLinkDetails,
    &QMLinks,
    &QMList,
    &QMListIsLoaded,
    &QMListIsntLoaded,
    &QMListTypeCloudFromFile,
    &QMLoadALemmaListFi,
    &QMLoadAMatchListFi,
    &QMLoadAStopListFil,
    &QMLookupTableNotFound,
    &QMLowercaseFirstCharacter,
    &QMMICanOnlyBeCompu,
    &QMMIxedFormats,
    &QMMLinkingMWUsWithX,
    &QMMadeByUser,
    &QMMainForm,
    &QMMakeAFile,
    &QMMakeAFile2,
    &QMMakeOrOpenAnInde,
    &QMMarkerNotFoundInMarkup,
    &QMMatchAndMark,
    &QMMatchList,
    &QMMatchListFileS,
    &QMMatchTemplateEmpty,
    &QMMatrix,
    &QMMaxFreqFor1LetterDifference,
    &QMMaxWantedIs,
    &QMMaxX,
    &QMMaximumFloatIs,
    &QMMaximumXIs,
    &QMMeanInWords,
    &QMMeanWordLengthIn,
    &QMMeanX,
    &QMMediaStartOfFilenameUndefined,
    &QMMenuShortcutInUse,
    &QMMergeHeaderColumns,
    &QMMergeWithTheLineAboveQ,
    &QMMergeWithTheLineBelowQ,
    &QMMerged,
    &QMMergedWith,
    &QMMessageNOfAMaxOfN,
    &QMMiddle,
    &QMMinFrequencyX,
    &QMMinX,
    &QMMinimalPairsAnalysis,
    &QMMinimalProcessing,
    &QMMinimumAssociateStrength,
    &QMMinimumAssociateTextsForDatabase,
    &QMMinimumFloatIs,
    &QMMinimumKWSPerTextForDatabase,
    &QMMinimumLengthLetters,
    &QMMinimumMatchLetters,
    &QMMinimumTextsForDatabase,
    &QMMinimumXIs,
    &QMMissingBracket,
    &QMMixedTextFormats,
    &QMModifySourceTextsForSearchWordQ,
    &QMModifySourceTextsForSetsQ,
    &QMModifySourceTextsQ,
    &QMMoreLikelyToBe,
    &QMMoreupToDateVersionAvailable,
    &QMMostFrequentWas,
    &QMMouse,
    &QMMoveColumns,
    &QMMoveFilesContaining,
    &QMMoveNow,
    &QMMoved,
    &QMMultipleChanges,
    &QMMultipleSourceTexts,
    &QMNAnomalousCharacters,
    &QMNComputed,
    &QMNCut,
    &QMNDuplicatesFound,
    &QMNEntries,
    &QMNFilesLoaded,
    &QMNFilesSaved,
    &QMNFound,
    &QMNFrequency,
    &QMNHits,
    &QMNKept,
    &QMNKeyWordsEntriesFound,
    &QMNLemmasFound,
    &QMNLinesOfOutput,
    &QMNManyLemmaForms,
    &QMNManyOutOfN,
    &QMNManyTextFilesLoadedFrom,
    &QMNManyX,
    &QMNManyXedOutOfN,
    &QMNMatchesFound,
    &QMNMoved,
    &QMNPlotPositions,
    &QMNRandomlySortedFiles,
    &QMNRelationsFound,
    &QMNResultsOutOFNAtCurrentSettings,
    &QMNStopListWordsFound,
    &QMNStoplistTokensRemo,
    &QMNStoplistTypesRemov,
    &QMNStored,
    &QMNTextsContainX,
    &QMNTextsDoNotContainX,
    &QMNTotalTextsToProcess,
    &QMNValidWords,
    &QMNValidWordsAndFreqs,
    &QMNWords,
    &QMNWordsApprox,
    &QMNWordsDownloaded,
    &QMNWordsHighLighted,
    &QMNWordsInFile,
    &QMNWordsInFileS,
    &QMNWordsInFileX,
    &QMNWordsPerMinute,
    &QMNegativeKWsExcludedIs,
    &QMNeitherConversionNorFilteringActivated,
    &QMNetwork,
    &QMNeverShowThisAgain,
    &QMNextWorksheet,
    &QMNmanyCharactersSavedPerEntry,
    &QMNmanyConcordanceLinesFound,
    &QMNmanyConcordanceLinesFoundForXPercent,
    &QMNmanyCopiedToX,
    &QMNmanyDeleted,
    &QMNmanyEntriesFound,
    &QMNmanyEntriesFoundEqualsXPercent,
    &QMNmanyEntriesToConcordance,
    &QMNmanyFilesConvertedTo,
    &QMNmanyFilesInDFolders,
    &QMNmanyFilesInFolderX,
    &QMNmanyHeadings,
    &QMNmanyJoined,
    &QMNmanyLemmaListItemsFound,
    &QMNmanyLines,
    &QMNmanyMatchListItemsFound,
    &QMNmanyModificationsMade,
    &QMNmanyMovedToX,
    &QMNmanyOutOfNmanyRemainAfterFiltering,
    &QMNmanyParagraphs,
    &QMNmanyRemainAfterFiltering,
    &QMNmanySections,
    &QMNmanyStopListItemsFound,
    &QMNmanyTexts,
    &QMNmanyTextsAddedByXAtDateD,
    &QMNmanyWords,
    &QMNo,
    &QMNoAnomalies,
    &QMNoAssociatesFoundForS,
    &QMNoBoxChecked,
    &QMNoClustersThoseSettings,
    &QMNoCollocatesHere,
    &QMNoColumnSelected,
    &QMNoConcordanceEntri,
    &QMNoContextWordSpe,
    &QMNoCorruptFilesFound,
    &QMNoDataConc,
    &QMNoFileSpecified,
    &QMNoFileSpecifiedPleaseChooseOne,
    &QMNoFilesPresentOnDisk,
    &QMNoFilesSelected,
    &QMNoFilesToProcess,
    &QMNoFontsAvailableForLanguageL,
    &QMNoHitsGetSkipped,
    &QMNoKWDBRelatedClusters,
    &QMNoLimits,
    &QMNoMWUsFoundInX,
    &QMNoMediaFilenameExtensionFound,
    &QMNoMoreSFound,
    &QMNoPreferredLanguageButSetToL,
    &QMNoPrefix,
    &QMNoPrinterInstalled,
    &QMNoProblem,
    &QMNoShape,
    &QMNoTextsChosen,
    &QMNoXFoundAtCurrentSettings,
    &QMNodeXAsPCollocateOfY,
    &QMNonNumerical,
    &QMNoneOfNSourceTextsFound,
    &QMNotFoundIn,
    &QMNotLemmaProcessingButLemmasFound,
    &QMNotYetX,
    &QMNumber,
    &QMNumberExpected,
    &QMNumbers,
    &QMNumbersRemoved,
    &QMOK,
    &QMOKToCloseNowForVersionChecker,
    &QMOKToConvert,
    &QMOKToCreateXQ,
    &QMOKToDeleteXQ,
    &QMOKToDoXQ,
    &QMOKToMoveFilesToSubFolder,
    &QMOKToSaveAgainAs,
    &QMOKToSaveInUnicod,
    &QMOKToSaveXInUnicode,
    &QMOKToZapNmanyEntriesQuery,
    &QMOKToZapRemainingEntriesQuery,
    &QMOR,
    &QMOmitAnyUntaggedWords,
    &QMOmitIfWord1Word2,
    &QMOneChange,
    &QMOneChangeSpecificationFailed,
    &QMOnly,
    &QMOnlyIf,
    &QMOnlyNmanyOfNSourceTextsFound,
    &QMOnlyToTheRight,
    &QMOnlyXPresentOnDisk,
    &QMOpenInBrowserOrNotepadQ,
    &QMOpenIndexNow,
    &QMOpenTheZipFile,
    &QMOperatorExpected,
    &QMOrCancel,
    &QMOrCancelToChooseNewOne,
    &QMOrNoToChooseToS,
    &QMOrStopPressed,
    &QMOrStr,
    &QMOutputFilenameNeeded,
    &QMOverall,
    &QMOverallFreq,
    &QMOverlap,
    &QMOverlapCoefficientIs,
    &QMPDF_RTF_ConversionTricky,
    &QMPValueIs,
    &QMPageN,
    &QMPageNStr,
    &QMPanicMode,
    &QMPanicStopAt,
    &QMParagraphInitialBracket,
    &QMParagraphs,
    &QMParallelConcordance,
    &QMParsing,
    &QMParts,
    &QMPaste,
    &QMPasteCharacter,
    &QMPathAndFilename,
    &QMPathToTheFile,
    &QMPause,
    &QMPer1000Words,
    &QMPerMillionWords,
    &QMPercentKWsIgnoredforConsistency,
    &QMPercentWordsFoundInRefCorpus,
    &QMPerfectDuplicates,
    &QMPhraseFrames,
    &QMPhraseFramesCreateJoinedEntries,
    &QMPleaseCheckSettings,
    &QMPleaseCloseIndexFile,
    &QMPleaseConvertFirst,
    &QMPleaseLoadTagFile,
    &QMPleaseMakeAChoiceForX,
    &QMPlotDetails,
    &QMPlotDivisions,
    &QMPlotPositions,
    &QMPosition,
    &QMPosition1,
    &QMPositions,
    &QMPositiveKeyness,
    &QMPrefix,
    &QMPressYesToSaveIn,
    &QMPrintNPages,
    &QMPrinternameAndPortraitOrLandScape,
    &QMProblemHandling,
    &QMProblemMakingX,
    &QMProblemRestoring,
    &QMProcessing,
    &QMProcessingNRelatedClusters,
    &QMProcessingNmanyFiles,
    &QMProvideAFilenameO,
    &QMPunctuation,
    &QMQ,
    &QMQuickCheckQ,
    &QMQuillmarkList,
    &QMQuit,
    &QMQuotesForColumnNamesOnly,
    &QMR,
    &QMREduceData,
    &QMREferenceTextTooShortOrProblematic,
    &QMRandomSelection,
    &QMRawTotals,
    &QMReComputeAssociates,
    &QMReadingIndex,
    &QMReadingIniFile,
    &QMReadingS,
    &QMRectangle,
    &QMRefCorpWLincompat,
    &QMReferenceCorpusNeeded,
    &QMRefreshX,
    &QMRegistryFileTypes,
    &QMRegistryFileTypesUn,
    &QMRelatedClustersOfX,
    &QMRelation,
    &QMRelationList,
    &QMRelationListFileS,
    &QMRelationshipProcedure,
    &QMRelationships,
    &QMRelativeEntropy,
    &QMRemoveLineQ,
    &QMRemoveMarkup,
    &QMRemoveMatchMarking,
    &QMRemoveXQ,
    &QMRemovingLineBreaks,
    &QMRepeatedChunks,
    &QMReplace,
    &QMReplaceAllSelected,
    &QMReplaceXWithNewVersionQ,
    &QMReplaceXWithNewVersionWithBackupQ,
    &QMRequireXinContext,
    &QMResetDefaultTo,
    &QMRestore,
    &QMRestoreFactoryDefaults,
    &QMRestoreMarkup,
    &QMResults,
    &QMResultsAreVisibleInTabX,
    &QMResultsOfSHaveBeenAddedToNotes,
    &QMResume,
    &QMReverseAlphabetical,
    &QMReverseDeletion,
    &QMRevertingToXView,
    &QMRoundedRectangle,
    &QMRowNumber,
    &QMRowsX,
    &QMRules,
    &QMS1S2Differ,
    &QMSDX,
    &QMSDeleted,
    &QMSDeletedAsZeroSize,
    &QMSHasZeroSize,
    &QMSIsntAFolder,
    &QMSNotRenamed,
    &QMSRTTRanscripts,
    &QMSRenamedAsS,
    &QMSSkipped,
    &QMSUnacceptableNFrequency,
    &QMSaveLemmasAsLemmaList,
    &QMSaveSelectionFirst,
    &QMSaveTextFileDataCanList,
    &QMSaveTheseSettings,
    &QMSaveXQ,
    &QMSavedData,
    &QMSavedOK,
    &QMSavingClusterWordlists,
    &QMSavingNConcgramClusters,
    &QMScore,
    &QMScores,
    &QMScript,
    &QMSearch,
    &QMSearchAndReplace,
    &QMSearchCopyProblem,
    &QMSearchEngineContacted,
    &QMSearchEngineFailing,
    &QMSearchEngineInfoDownloaded,
    &QMSearchEngineURL,
    &QMSearchFailedToFindS,
    &QMSearchFoundX,
    &QMSearchWithin,
    &QMSearchWord,
    &QMSearchWordFile,
    &QMSearchWordsNString,
    &QMSearches,
    &QMSecondPass,
    &QMSecondsPerWord,
    &QMSections,
    &QMSeekingX,
    &QMSelectOneLanguage,
    &QMSelectTheWordWhichEndsALine,
    &QMSelectingBetween,
    &QMSelectingWithin,
    &QMSentenceInitialBracket,
    &QMSentences,
    &QMSetAllToMinimum,
    &QMSetColumnD,
    &QMSetMinimumLinkSpanAbove1,
    &QMSettingsTextAndLanguages,
    &QMShortLine,
    &QMShortcut,
    &QMShowInExistingConcordance,
    &QMShowPairsBothWays,
    &QMShowParagraphs,
    &QMShowSelectedWdsForTheseFilenames,
    &QMShowSentences,
    &QMShowWhatFits,
    &QMShowX,
    &QMSimilar,
    &QMSimplifyingXML,
    &QMSingleByteFormat,
    &QMSize,
    &QMSkipIt,
    &QMSmallIcons,
    &QMSoUsetheNFileXIsBasedOn,
    &QMSomeFiles,
    &QMSorry,
    &QMSorryFunctionNot,
    &QMSorryUnderMaintenance,
    &QMSortNow,
    &QMSortQuery,
    &QMSourceFilename,
    &QMSourceIndexFile,
    &QMSourceTextNotFound,
    &QMSourceandDestinationMustDiffer,
    &QMSpanSetting,
    &QMSplit,
    &QMSplitLineQ,
    &QMSplittingFileSToFolderS,
    &QMStandAlone,
    &QMStandardisedTypeTo,
    &QMStandardisedTypeTo1,
    &QMStandardisedTypeTo2,
    &QMStart,
    &QMStartAnother,
    &QMStdDev,
    &QMStop,
    &QMStopAt,
    &QMStopAtEndOfText,
    &QMStopAtHeadingBrea,
    &QMStopAtParagraphBr,
    &QMStopAtPunctuation,
    &QMStopAtSectionBrea,
    &QMStopAtSentenceBre,
    &QMStopList,
    &QMStopListFileS,
    &QMStopListWords,
    &QMStopped,
    &QMStoppedWhenTryingToProcessX,
    &QMStoppingASAP,
    &QMStoppingAtEOF,
    &QMStoreAllDir,
    &QMStoreDir,
    &QMSuccessfullyProcessed,
    &QMSuffix,
    &QMSureYouWantTo,
    &QMSwappedLetterRule,
    &QMSwappingTagAndWord,
    &QMSwappingUnderscoreTagAnd_Word,
    &QMSwitchOnNeedsSwitchOff,
    &QMSymbolsTreatedAsCharacters,
    &QMTagContext,
    &QMTagFileEntriesFound,
    &QMTagFormatWrong,
    &QMTagSetNameQ,
    &QMTagTreatmentIs,
    &QMTagfileTags,
    &QMTags,
    &QMTagsAsAffixToWords,
    &QMTagsOnlyNoWords,
    &QMTagsToExcludeHandled,
    &QMTagsToIgnore,
    &QMTagsToKeepHandled,
    &QMTagsToTranslateFound,
    &QMTagsToTranslateHandled,
    &QMTempFileCreated,
    &QMTemplateNeedsHash,
    &QMTestN,
    &QMTextFile,
    &QMTextFileChangesNotSpecified,
    &QMTextX,
    &QMTexts,
    &QMTextsNString,
    &QMTheseFiles,
    &QMThisVersion,
    &QMThisWillZapYourD,
    &QMThoughItWonTDel,
    &QMThumbnails,
    &QMTiles,
    &QMTimedOut,
    &QMTo,
    &QMToChooseTheRightLanguage,
    &QMToLeftAndRight,
    &QMToMergeTheIndivid,
    &QMToRemoveLineBreaksParaMustBeDefined,
    &QMToSeeConcgramDetailsDoubleClick,
    &QMToSeeConcgramDetailsGetWordsIntoListbox,
    &QMToSeeTheIndividua,
    &QMToStr,
    &QMToViewItAllPull,
    &QMToken,
    &QMTokenDifferences,
    &QMTokensRunningWord,
    &QMTokensUsedForWord,
    &QMToo,
    &QMTooFewConcordanceClustersOf,
    &QMTooLittleDataWith,
    &QMTookNMs,
    &QMTookNSeconds,
    &QMTookX,
    &QMToolProgress,
    &QMToolStopping,
    &QMToolTextFiles,
    &QMTotalXEquals,
    &QMTryAnAsterisk,
    &QMTryingX,
    &QMTxt,
    &QMType,
    &QMTypeDifferences,
    &QMTypeTokenRatio,
    &QMTypesDistinctWord,
    &QMUNusualLine,
    &QMUTF8,
    &QMUnJoinAll,
    &QMUndefinedTags,
    &QMUnderscoreMarkupToAngleBackets,
    &QMUnicode,
    &QMUnicodeBigEndian,
    &QMUnknownSourceTextFile,
    &QMUnsaved,
    &QMUpdateFontsColour,
    &QMUseCustomSortForLanguageL,
    &QMUseDirForAllResults,
    &QMUseSameSourceTexts,
    &QMUseTempDir,
    &QMUseTheSameXForAllTools,
    &QMUseXOptionToDoY,
    &QMUseXasMask,
    &QMUseXasTemplate,
    &QMUserDefinedListAs,
    &QMUsingTheRule,
    &QMValues,
    &QMVariants,
    &QMVersion,
    &QMVersionAndCompileDate,
    &QMVersionDatesFrom,
    &QMVersionIsXDaysOldRunVersionUpdate,
    &QMVideoLANPlayerVersionError,
    &QMVideoLanPlayerNeeded,
    &QMViewFileNow,
    &QMWaitingForZip,
    &QMWanted,
    &QMWarning,
    &QMWhereColumnsHaveP,
    &QMWholePlotHighlightedIsNmanyWords,
    &QMWillIgnoreEntriesNotInXYPercentOfTexts,
    &QMWindow,
    &QMWindowsDefault,
    &QMWith,
    &QMWithColumnTotals,
    &QMWithHTMSteeringFile,
    &QMWithSoMuchDataB,
    &QMWithinSameWord,
    &QMWithoutHoles,
    &QMWord,
    &QMWordFinal,
    &QMWordInitial,
    &QMWordLength,
    &QMWordLengthStdDev,
    &QMWordLengths,
    &QMWordListMustMatchCorpus,
    &QMWordListZipfile,
    &QMWordMedial,
    &QMWordNIs,
    &QMWordReplacements,
    &QMWordlistFilesMightNeedResortingQuitQ,
    &QMWordlistTXTFilenameNeeded,
    &QMWordlistsMergedFromFile,
    &QMWords,
    &QMWordsNoTags,
    &QMWordsPastLastHit,
    &QMWorkingPercent,
    &QMXBasis,
    &QMXContainingYWillBEExcludedQ,
    &QMXEqualsAndSpan,
    &QMXFiltered,
    &QMXFoundInY,
    &QMXFoundNStrTimesInY,
    &QMXFoundNtimesInY,
    &QMXFrequency,
    &QMXIncludedTF,
    &QMXIsAlreadyInUse,
    &QMXIsLoaded,
    &QMXIsntRecommended,
    &QMXKWsInDatabase,
    &QMXLSXReadNotImplemented,
    &QMXLSX_ConversionNotImplemented,
    &QMXModified,
    &QMXNotFound,
    &QMXNotFoundOrFaulty,
    &QMXNotWanted,
    &QMXORYNotFoundOrFaulty,
    &QMXSavedOK,
    &QMXScoreEqualsX,
    &QMXWanted,
    &QMXWontWork,
    &QMXWordClusters,
    &QMXcontinued,
    &QMXconverted,
    &QMXconverted_equalsY,
    &QMXtoYWordClusters,
    &QMYOuMayNeedRegAgain,
    &QMYOucanMake,
    &QMYearAndMonth,
    &QMYouChoseXbutLowestPossibleIsYQuitQ,
    &QMYouHaveNTextsChosen,
    &QMYouHaveTagSymbolsInX,
    &QMYouHavenTYetComp,
    &QMYouMayNeedToINstallLanguages,
    &QMYouMustSelectOne,
    &QMZeroSize,
    &QMZipFile,
    &QMZippedText,
    &QMZipping,
    &QMfromWord_Excel_PDF_RTF,
    &QMimported,
    &QMrow_separator_string_off,
    &QMrow_separator_string_on,
    &QMunmatched_bracket,
    &WESEpisodes,
};

} // namespace

std::span<const TMessageEntry* const> Entries() {
    return kEntries;
}

const TMessageEntry* Find(std::string_view name) {
    return detail::FindInSorted(kEntries, name);
}

} // namespace qm7::GeneralRuntime2Const
