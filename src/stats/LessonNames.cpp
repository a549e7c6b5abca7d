#include "stats/LessonNames.h"

#include <unordered_set>

StringList DistinctLessonNames(const CStatRecordArray& runs) {
    StringList names;
    std::unordered_set<std::string> seen;
    for (const StatRecord& run : runs)
        if (seen.insert(run.lesson).second)
            names.push_back(run.lesson);
    return names;
}
