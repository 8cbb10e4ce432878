#include "app/form.h"

void TForm1::ConnectWallet() {}
void TForm1::PrepareWallet(const std::string&, Amount) {}
