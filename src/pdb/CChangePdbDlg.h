#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "data/MoneyText.h"
#include "data/MyInfo.h"
#include "data/SampleTables.h"
#include "pdb/CSampleLookupDlg.h"
#include "pdb/PdbEditApply.h"
#include "platform/EntryDialog.h"
#include "rating/dialogs/RateBandValues.h"

class QLineEdit;
class QPushButton;

namespace dorv::pdb {

// The dialogs Change PDB opens. A picker left unset keeps its button disabled; an unset band
// editor is the Change Rate Bands dialog.
struct ChangePdbOpeners {
  // The sample database lookup in its select role: the chosen location, or nothing.
  std::function<std::optional<ChosenLocation>(QWidget* parent)> pickLocation;
  // The telephone company dialog in its choosing role, opened on the current choice; true when
  // it ended with OK, the two values then holding the choice.
  std::function<bool(std::int32_t& accessCode, std::string& company, QWidget* parent)> chooseTelco;
  // The rate band editor: true on OK, the bands then replaced.
  std::function<bool(rating::RateBandValues& bands, QWidget* parent)> changeBands;
};

// The lookup, the telephone company list and the band editor over the program's files.
ChangePdbOpeners StandardChangePdbOpeners(data::SampleTables& sample, const data::MyInfo& myInfo);

enum class ChangePdbField {
  City, State, Country, PostalCode, LocalTime, TelcoAccess, Telco, RateEffective, Comment,
  CallType, BandLine1, BandLine2, BandLine3, InitialInterval, AdditionalInterval, Count
};
enum class ChangePdbButton { ChangeLocation, ChangeTelco, ChangeBands, Ok, Cancel, Count };

// Changes the location, telephone company, rate bands, rates, surcharge and intervals of an
// entry the record editor is working on. Writes nothing; on OK the opener takes Values().
class CChangePdbDlg final : public platform::EntryDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(CChangePdbDlg)

 public:
  CChangePdbDlg(const ChangeDataValues& values, const data::MyInfo& myInfo,
                ChangePdbOpeners openers, QWidget* parent = nullptr);

  const ChangeDataValues& Values() const { return m_values; }
  bool Changed() const { return m_changed; }

  QLineEdit* Field(ChangePdbField field) const { return m_fields.at(static_cast<int>(field)); }
  // A rate's part 0 dollars, 1 cents, 2 hundredths of a cent; band 0..2.
  QLineEdit* RatePart(int band, bool additional, int part) const {
    return m_rateParts.at((band * 2 + (additional ? 1 : 0)) * 3 + part);
  }
  QLineEdit* SurchargePart(int part) const { return m_surchargeParts.at(part); }
  QPushButton* Button(ChangePdbButton button) const {
    return m_buttons.at(static_cast<int>(button));
  }

  void OnChangeLocation();
  void OnChangeTelco();
  void OnChangeBands();
  void OnOk();
  void reject() override;  // Cancel and Escape: asks first when anything changed

 private:
  void BuildLayout();
  QLineEdit* AddField(ChangePdbField field, int limit);
  void Fill();
  void ShowLocation();
  void EnableRates(int band, bool enabled);
  // The first money part that is not a plain number, after telling the user which field it
  // is in; nullptr when every part is one.
  QLineEdit* RefusedMoneyPart();
  // The rates, surcharge and fields into the values.
  void Collect();
  QString Text(ChangePdbField field) const;
  // Rate 0..5 in the order of the values: band 1 initial, band 1 additional, band 2 ...
  data::MoneyParts TypedRate(int rate) const;

  ChangeDataValues m_values;
  bool m_twelveHour;
  ChangePdbOpeners m_openers;
  bool m_changed = false;

  std::array<QLineEdit*, static_cast<int>(ChangePdbField::Count)> m_fields{};
  std::array<QLineEdit*, 18> m_rateParts{};
  std::array<QLineEdit*, 3> m_surchargeParts{};
  // The money parts as filled in: six rates, then the surcharge.
  std::array<data::MoneyParts, 7> m_shownMoney{};
  std::array<QPushButton*, static_cast<int>(ChangePdbButton::Count)> m_buttons{};
};

// Runs Change PDB modally over the values; true and the values replaced on OK. This is what the
// record editor's Change Data opener calls.
bool RunChangePdb(ChangeDataValues& values, const data::MyInfo& myInfo, ChangePdbOpeners openers,
                  QWidget* parent);

}  // namespace dorv::pdb
