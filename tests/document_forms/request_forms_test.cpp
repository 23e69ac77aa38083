// What the fiscal-certificate requests, the removal-from-tax-records declaration and the
// deregistration request share: their boxes show in the document font's face only, at
// one size that fits a box 285 twips high.

#include <QFontMetricsF>
#include <functional>

#include "FormFixture.h"
#include "core/Fonts.h"
#include "document_forms/frmCerRadiere.h"
#include "document_forms/frmDeclScoatEvid.h"
#include "document_forms/frmFiscalPF.h"
#include "document_forms/frmFiscalPJ.h"
#include "platform/Twips.h"

namespace {

using namespace document_forms;

class RequestForms : public testsupport::FormFixture {
 protected:
  void TearDown() override {
    core::fonts::FontDrav = QFont();
    FormFixture::TearDown();
  }
};

TEST_F(RequestForms, TheBoxesTakeTheFaceOfTheDocumentFontAtOneSizeThatFits) {
  QFont drav(QStringLiteral("Arial"));
  drav.setPointSizeF(20);
  drav.setBold(true);
  drav.setItalic(true);
  core::fonts::FontDrav = drav;
  struct Member {
    const char* name;
    std::function<DocumentForm*()> open;
    std::function<void()> close;
  };
  const Member members[] = {
      {"frmFiscalPJ", [this] { return OpenForm<frmFiscalPJ>(); }, [] { CloseForm<frmFiscalPJ>(); }},
      {"frmFiscalPF", [this] { return OpenForm<frmFiscalPF>(); }, [] { CloseForm<frmFiscalPF>(); }},
      {"frmDeclScoatEvid", [this] { return OpenForm<frmDeclScoatEvid>(); }, [] { CloseForm<frmDeclScoatEvid>(); }},
      {"frmCerRadiere", [this] { return OpenForm<frmCerRadiere>(); }, [] { CloseForm<frmCerRadiere>(); }},
  };
  for (const Member& m : members) {
    DocumentForm* form = m.open();
    for (int i = 0; i < form->BoxCount(); ++i) {
      const QFont f = form->BoxWidget(i)->font();
      EXPECT_EQ(f.family(), QStringLiteral("Arial")) << m.name << " " << i;
      EXPECT_DOUBLE_EQ(f.pointSizeF(), 10) << m.name << " " << i;
      EXPECT_FALSE(f.bold()) << m.name << " " << i;
      EXPECT_FALSE(f.italic()) << m.name << " " << i;
      EXPECT_LE(QFontMetricsF(f).height() * platform::kTwipsPerPixel, 285) << m.name << " " << i;
    }
    m.close();
  }
}

}  // namespace
