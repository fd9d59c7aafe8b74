// The host's own texts, German and English, from its string table; the language is the one
// the language switch set for the module too.
#pragma once

#include "framework/CString.h"

#include <string>

namespace host
{

enum HostText {
    kTextTitle,
    kTextColumnPosition,
    kTextColumnProgram,
    kTextColumnState,
    kTextEditTransfers,
    kTextTransferredLoads,
    kTextLoadSheet,
    kTextRecalculate,
    kTextLanguage,
    kTextClose,
    kTextCalculated,
    kTextNotCalculated,
    kTextChanged,
    kTextNoLoadData,
    kTextReady,
    kTextSaved,
    kTextUnchanged,
    kTextCannotEdit,
    kTextRecalculated,
    kTextRecalculationFailed,
    kTextNoRecalculation,
    kTextLanguageSet,
    kTextSheetCaption,
    kTextProjectPage,
    kTextProjectName,
    kTextProjectFolder,
    kTextPositionCount,
    kTextNotInProject,
    kTextOwnLoad,
    kTextCheckProject,
    kTextOwnLoadCaption,
    kTextLoadCase,
    kTextLoadValue,
    kTextSystem,
    kTextSystemSpan,
    kTextSystemCantilever,
    kTextSystemColumn,
    kTextCancel,
    kTextNotANumber,
    kTextNoDesignInput,
    kTextOwnLoadSaved,
    kTextCheckCaption,
    kTextColumnSource,
    kTextColumnTransfer,
    kTextColumnChange,
    kTextOrder,
    kTextUpdateAll,
    kTextCloseWindow,
    kTextCycle,
    kTextBlocked,
    kTextAllCurrent,
    kTextStaleSummary,
    kTextUpdating,
    kTextUpdateCancelled,
    kTextUpdateFailed,
    kTextCheckFailed,
    kTextNoLongerFits,
    kTextSourceMissing,
    kTextSourceDamaged,
    kTextTransfersDamaged,
    kTextLoadDataDamaged,
    kTextOwnLoadUnchanged,
    kTextCount
};

// The string number of a text in a language ("eng" English, anything else German).
UINT hostTextId(HostText text, const std::string& language);

// The text in the language in force, "%1" and "%2" replaced by the arguments.
CString hostText(HostText text, const char* arg1 = "", const char* arg2 = "");

} // namespace host
