#include "platform/Forms.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

using namespace platform;

namespace {
int g_loads = 0;
class frmSample : public QWidget {
 public:
  frmSample() {
    ++g_loads;
    setAttribute(Qt::WA_DeleteOnClose);
  }
};
}  // namespace

TEST(Forms, CreatedOnFirstUseAndLoadedAfreshAfterUnload) {
  g_loads = 0;
  EXPECT_FALSE(Forms::IsLoaded<frmSample>());
  frmSample* first = Forms::Get<frmSample>();
  EXPECT_EQ(Forms::Get<frmSample>(), first);
  EXPECT_EQ(g_loads, 1);
  first->close();  // deletes on close, once the event loop gets there
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(Forms::IsLoaded<frmSample>());
  Forms::Get<frmSample>();
  EXPECT_EQ(g_loads, 2);
  Forms::Unload<frmSample>();
  EXPECT_EQ(Forms::IfLoaded<frmSample>(), nullptr);
}
