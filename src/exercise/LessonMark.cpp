#include "exercise/LessonMark.h"

#include "exercise/Grading.h"
#include "platform/Format.h"

LessonMark MarkForBestGrade(int bestGrade) {
    if (bestGrade < kPassGrade)
        return {"  (nie zaliczone)", 200, 50, 50};
    return {"  (zaliczone na " + FormatInt(bestGrade) + ")", 0, 0,
            static_cast<uint8_t>(bestGrade * 40 + 50)};
}
