#include "document_forms/RequestParts.h"

#include "document_forms/PrintedLine.h"

namespace document_forms::request {

void AddFiscalRequestHead(std::vector<Item>& items, double numberTop, double titleTop, const char* who) {
  AddLine(items, numberTop, 1410, kTimes12, {Say("Nr. de inregistrare"), Blank(3300, 2400)});
  items.push_back(Label(465, titleTop, "CERERE PENTRU ELIBERAREA UNUI CERTIFICAT DE ATESTARE FISCALA", kTimes14Bold,
                        11430 - 465, 345));
  items.push_back(Label(480, titleTop + 315, " PRIVIND IMPOZITE, TAXE LOCALE SI ALTE VENITURI LA BUGETUL LOCAL",
                        kTimes14Bold, 11415 - 480, 345, TextAlign::kCentre));
  items.push_back(Label(480, titleTop + 585, who, kTimes14Bold, 11415 - 480, 345, TextAlign::kCentre));
  items.push_back(Label(4500, titleTop + 1095, "D-le/D-na DIRECTOR,", kTimes12));
}

}  // namespace document_forms::request
