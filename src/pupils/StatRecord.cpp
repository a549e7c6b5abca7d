#include "pupils/StatRecord.h"

#include "platform/Cp1250.h"

void CStatRecordArray::SelectRunsOfLesson(const std::string& lesson, CStatRecordArray& dest) const {
    for (const StatRecord& run : *this)
        if (EqualsIgnoringCase(run.lesson, lesson))
            dest.push_back(run);
}
