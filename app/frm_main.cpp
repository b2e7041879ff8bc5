#include "frm_main.h"
frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {}
