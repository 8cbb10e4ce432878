#include "app/form.h"

void TForm1::ConnectAnswer() {}
void TForm1::ClearSumRow() {}
void TForm1::FocusUnitsBox() {}
void TForm1::ShowPoints() {}
void TForm1::ResetSeries() {}
void TForm1::CheckAnswer() {}
