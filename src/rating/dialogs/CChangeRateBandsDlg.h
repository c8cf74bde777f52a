#pragma once
#include <array>
#include <string>
#include <vector>

#include "data/MyInfo.h"
#include "platform/EntryDialog.h"
#include "rating/RateBandCheck.h"
#include "rating/dialogs/RateBandValues.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace dorv::rating {

class HourSpinBox;

// Edits the three rate bands of one entry: each band's title, chosen from the band titles file,
// and its hours on weekdays, Saturday and Sunday. OK is refused while an hour of a day type
// belongs to two bands. The opener takes Values() when the dialog ends with OK.
class CChangeRateBandsDlg final : public platform::EntryDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(CChangeRateBandsDlg)

 public:
  CChangeRateBandsDlg(const RateBandValues& values, const data::MyInfo& myInfo,
                      QWidget* parent = nullptr);

  // Tells the user when the titles file could not be read; the opener runs it once shown.
  void Open();

  const RateBandValues& Values() const { return m_values; }
  bool Changed() const { return m_changed; }

  QComboBox* TitleBox(int band) const { return m_titleBoxes.at(band); }
  // Hour 0..5 of a band: weekday, Saturday, Sunday start and end.
  HourSpinBox* HourSpin(int band, int hour) const { return m_hourSpins.at(band * 6 + hour); }
  QLineEdit* BandTextField(int band) const { return m_bandTexts.at(band); }
  QPushButton* OkButton() const { return m_ok; }
  QPushButton* CancelButton() const { return m_cancel; }

  void accept() override;  // checks the hours and takes the titles; stays open on failure
  void reject() override;  // asks first when anything changed

 private:
  void BuildLayout();
  void LoadHours();
  // Lists the titles of the titles file in the three boxes; false when it cannot be read.
  bool LoadTitles();
  void SelectTitles();
  void OnHourChanged(int band, int hour, int value);
  void OnTitleChosen(int band, int index);
  bool m_titlesRead = false;
  void EnableBand(int band, bool enabled);
  // The title a band's box stands for: a listed title, nothing for the empty entry, or the
  // band's own title when the file does not list it.
  std::string ShownTitle(int band) const;
  void ShowBandText(int band);
  BandHourGrid SpinHours() const;
  // The bands as OK hands them back; false (and the message shown) when a title cannot be read.
  bool TakeBands(RateBandValues& taken);

  RateBandValues m_values;
  bool m_twelveHour;
  bool m_changed = false;
  std::vector<std::string> m_titles;  // the titles file, in file order

  std::array<QComboBox*, 3> m_titleBoxes{};
  std::array<HourSpinBox*, 18> m_hourSpins{};
  std::array<QLineEdit*, 3> m_bandTexts{};
  QPushButton* m_ok = nullptr;
  QPushButton* m_cancel = nullptr;
};

// Runs the band editor modally over the values; true and the values replaced on OK.
bool RunChangeRateBands(RateBandValues& values, const data::MyInfo& myInfo, QWidget* parent);

}  // namespace dorv::rating
