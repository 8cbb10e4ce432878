#include "app/form.h"

void TForm1::ConnectTimer() {}
void TForm1::Timer1Timer() {}
