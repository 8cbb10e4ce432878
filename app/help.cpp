#include "app/form.h"

void TForm1::ConnectHelp() {}
