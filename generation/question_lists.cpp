#include "generation/question_lists.h"

#include <memory>

namespace {
struct QuestionLists {
    QStringList operators;
    QStringList pairs;
    QStringList triples;
};

std::unique_ptr<QuestionLists>& lists() {
    static std::unique_ptr<QuestionLists> l;
    return l;
}

QuestionLists& existing_lists() {
    // A routine that runs before start-up or after the release (a test, a tool) still finds
    // empty lists rather than a null one.
    if (!lists())
        create_question_lists();
    return *lists();
}
} // namespace

QStringList& operator_list() { return existing_lists().operators; }
QStringList& pair_pool() { return existing_lists().pairs; }
QStringList& triple_pool() { return existing_lists().triples; }

void create_question_lists() { lists() = std::make_unique<QuestionLists>(); }

void release_question_lists() { lists().reset(); }
