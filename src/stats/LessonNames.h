#pragma once

#include "platform/StringList.h"
#include "pupils/StatRecord.h"

// Each lesson name of the runs once, in order of first appearance. Names are
// compared byte for byte, so names differing only in letter case both stay.
StringList DistinctLessonNames(const CStatRecordArray& runs);
