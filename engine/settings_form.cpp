#include "app/form.h"

void TForm1::ConnectSettings() {}
