#pragma once
#include <QPushButton>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "data/HourDefinitions.h"
#include "data/MyInfo.h"
#include "data/PdbFiles.h"
#include "data/RateFiles.h"
#include "data/SampleTables.h"
#include "pdb/EditorLinks.h"
#include "pdb/PdbEditApply.h"
#include "pdb/PdbEditRules.h"
#include "platform/EntryDialog.h"

class QLabel;
class QLineEdit;

namespace dorv::pdb {

// Lookup Data: the user picks a location and a service. The dialog opens the rate file of the
// service list in the given object and leaves it open; nothing when the user cancels.
using LookupDataOpener =
    std::function<std::optional<LookupChoice>(data::RateFile& rateFile, QWidget* parent)>;
// Change PDB: edits the values in place; true on OK.
using ChangeDataOpener = std::function<bool(ChangeDataValues& values, QWidget* parent)>;

// The dialogs the editor opens that live elsewhere; a button whose opener is unset stays
// disabled.
struct PdbEditOpeners {
  LookupDataOpener lookupData;
  ChangeDataOpener changeData;
  CallScreenOpener callScreen;
  MemoViewerOpener memoViewer;
  ContactLogOpener contactLog;
  PrintRecordOpener printRecord;
};

// The data files the editor reads besides the book.
struct PdbEditFiles {
  data::PdbFiles& pdb;
  const data::MyInfo& myInfo;
  data::SampleTables& sample;
  data::HourDefinitionFile& hourDefinitions;
};

enum class EditButton {
  Previous, Next, ManualEntry, TimeACall, ViewMemo, ContactLog, PrintRecord, Lookup, Cancel, Ok,
  Convert
};

// Creates, edits or duplicates one entry of a book; the entry lives in the list window's
// work buffer. Ends with an EditResult.
class CPdbEditDlg final : public platform::EntryDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(CPdbEditDlg)
 public:
  CPdbEditDlg(const EditorRequest& request, const PdbEditFiles& files,
              PdbEditOpeners openers = {});
  ~CPdbEditDlg() override;

  // Fills the editor from its entry before it is shown; false (after telling the user) when
  // the entry cannot be read, and the editor is then not shown.
  bool Open();
  EditResult Result() const { return static_cast<EditResult>(result()); }

  QLineEdit* Field(EditField field) const { return m_fields[static_cast<int>(field)]; }
  // Money fields: rate i (0..5) part 0 dollars, 1 cents, 2 hundredths.
  QLineEdit* RateField(int rate, int part) const { return m_rateFields[rate * 3 + part]; }
  // Discounts of bands 2 and 3: initial, initial, additional, additional.
  QLineEdit* DiscountField(int index) const { return m_discountFields[index]; }
  QPushButton* Button(EditButton button) const { return m_buttons[static_cast<int>(button)]; }
  // Whether the sample-rates warning is painted.
  bool ShowsSampleWarning() const { return m_working.ratesChanged == 0; }
  const BookPlace& Place() const { return m_place; }

  // Tests put in their own rate rows and band sets.
  void SetSources(std::unique_ptr<ServiceSource> services,
                  std::unique_ptr<BandSetSource> bandSets);

  void OnOk();
  void OnPrevious() { Step(-1); }
  void OnNext() { Step(+1); }
  void OnLookup();
  void OnTimeACall();
  void OnManualEntry();
  void OnViewMemo();
  void OnContactLog();
  void OnPrintRecord();
  void OnConvert();
  // Cancel, Escape and the close box.
  void reject() override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class SaveOutcome { NothingToSave, Written, Failed };

  void BuildControls();
  QLineEdit* AddMoneyEdit(const QString& name);
  bool LoadEntry();
  void FillStateOf(data::PdbRecord& entry);
  void ShowScreen();
  void ShowMoney();
  void ReadScreen();
  // Change detection: screen into the buffer; true when it differed.
  bool DetectChanges();
  bool WriteEntry();
  SaveOutcome Save();
  // Ends the dialog with what the outcome of the last save means for the list.
  void End(SaveOutcome outcome);
  void Step(int direction);
  // Time a Call and Manual Entry: the call screen gets an entry with its own place.
  void OpenCallScreen(rating::CallScreenMode mode);
  // The entry's own record once it has one; before that, the entry the screen was loaded from.
  long ShownPosition() const;
  // Shows the entry left by Previous or Next in the list as the book now holds it.
  void ShowLeftEntry();
  void UpdateStepButtons(int row);
  void OnPhoneChanged(EditField field);
  void RunLookupData();
  void RunChangeData();
  bool MayCall() const;
  void EnableIfWired(EditButton button, bool wired, bool enabled);
  ApplyContext Context();

  PdbEditMode m_mode;
  data::PdbKind m_kind;
  data::PdbRecord& m_buffer;
  EditorList& m_list;
  data::PdbFiles& m_pdb;
  const data::MyInfo& m_myInfo;
  data::SampleTables& m_sample;
  data::HourDefinitionFile& m_hours;
  PdbEditOpeners m_openers;
  // The position whose row is the list's current one (the entry duplicated, in Duplicate).
  long m_listPosition;
  // Where the entry on screen is stored: in Edit mode its own place; in Add and Duplicate
  // modes none until it is appended, then the appended record.
  BookPlace m_place;
  bool m_changed = false;
  bool m_lookupPending = true;
  bool m_lookupDone = false;
  // The current entry was written since it was loaded.
  bool m_writtenCurrent = false;
  bool m_showing = false;
  EditScreen m_screen;
  EditWorking m_working;
  data::RateFile m_rateFile;
  std::unique_ptr<ServiceSource> m_services;
  std::unique_ptr<BandSetSource> m_bandSets;
  std::array<QLineEdit*, kEditFieldCount> m_fields{};
  std::array<QLineEdit*, 18> m_rateFields{};
  std::array<QLineEdit*, 4> m_discountFields{};
  std::array<QLineEdit*, 3> m_surchargeFields{};
  QLabel* m_initialHeading = nullptr;
  QLabel* m_additionalHeading = nullptr;
  QWidget* m_warningPlace = nullptr;
  std::array<QPushButton*, 11> m_buttons{};
};

// Opens the editor for a request of the list window, modally; returns its result.
EditResult RunPdbEdit(const EditorRequest& request, const PdbEditFiles& files,
               PdbEditOpeners openers = {});

}  // namespace dorv::pdb
