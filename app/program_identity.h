#pragma once

class QApplication;

// The program's icon, and the CJK face its Chinese texts prefer, for every window it opens.
void set_up_program_identity(QApplication& application);
