#pragma once

#include <QStringList>

// The three program-wide lists. They exist from create_question_lists(), called before the main
// window is made, until release_question_lists(), registered as an exit routine. Each owns copies
// of the texts it holds.
QStringList& operator_list();
QStringList& pair_pool();
QStringList& triple_pool();

void create_question_lists();
void release_question_lists();
