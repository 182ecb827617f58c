#pragma once
// A main window presenter started as the program starts it, over a fake
// window, with its data folder in a scratch folder.

#include <gtest/gtest.h>

#include <string>

#include "core/app/main_presenter.h"
#include "core/platform/platform.h"
#include "support/fake_main_view.h"
#include "support/temp_dir.h"

namespace qvn::test {

class PresenterTest : public ::testing::Test {
 protected:
  using Control = app::Control;
  using Window = app::Window;

  TempDir data_;
  FakeMainView view_;
  app::MainPresenter presenter_{view_, DataFolder()};

  void SetUp() override { ASSERT_TRUE(presenter_.Start()); }

  /// The data folder, where the reports and settings go.
  std::string DataFolder() const { return data_.path() + "Quorvane"; }
  std::string DataFile(const std::string& name) const {
    return DataFolder() + kSeparator + name;
  }
  std::string Read(const std::string& path) const { return data_.Read(path); }
  /// Chooses site as the top folder and runs what act starts to its end.
  template <typename Act>
  void RunOn(const TempDir& site, Act act) {
    presenter_.SetTopFolder(site.path());
    act();
    view_.threads.Finish();
  }
  const std::string& Status() { return view_.text[Control::kStatusLabel]; }
  std::string Catalogue(int number) const { return presenter_.catalogue().Get(number); }
};

}  // namespace qvn::test
