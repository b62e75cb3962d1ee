// What the PPD files of this folder share.
#pragma once

#include "PPDAccess.h"

// Copies the POSIX path of the current printer's PPD file (ASCII) into path.
// 0, or -1 when there is no printer or PPD URL, or the path is not ASCII or
// does not fit.
OSStatus iCopyPrinterPPDPath(PMPrintSession session, char (&path)[kPPDPathBufferSize]);
