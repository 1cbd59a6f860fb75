// What a wizard page may ask of its sheet: the run's data, the fonts, the
// section navigation, the repairs with their counters, and the shared
// parts of the result lists. The wizard implements it; pages know nothing
// else of the wizard, so a page header never includes the wizard's.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "config/Answers.h"
#include "config/ConfigDatabase.h"
#include "config/RunContext.h"
#include "fixes/FixSession.h"
#include "platform/Types.h"
#include "ui/ControlSurface.h"
#include "ui/PageLogic.h"
#include "ui/UiHost.h"

namespace cvn {

struct ItemRef;
class ListSurface;
struct RowData;

// The fonts of the wizard's headings.
struct WizardFonts {
  FontSpec smallBold{"MS Sans Serif", 9};
  FontSpec pageTitle{"MS Sans Serif", 10};
  FontSpec sectionTitle{"MS Sans Serif", 12};
};

// The item a list page's Details, Fix or Revert acts on: its list
// category, the name in the row's first column and the row's entry index.
struct ListedItem {
  SectionId category = SectionId::ProgramInfo;
  std::string name;
  int itemIndex = 0;
};

// Whether a section move only asks if there is a section to go to, or goes.
enum class SectionMove { Ask, Go };

// The Read Me named by the database, both paths expanded from their
// location notation.
struct ReadMeFiles {
  std::string file;
  std::string viewer;
};

class WizardServices {
 public:
  virtual ~WizardServices() = default;

  virtual RunContext& Context() = 0;
  virtual ConfigDatabase& Database() = 0;
  virtual SavedAnswers& Answers() = 0;
  virtual UserInfo& User() = 0;
  virtual UiHost& Host() = 0;
  virtual const WizardFonts& Fonts() const = 0;
  // The screen font's average character width, for column widths.
  virtual int AvgCharWidth() const = 0;
  // The viewer may change once it failed to start.
  virtual ReadMeFiles& ReadMe() = 0;

  // Whether the user went through the questions, so that the answers are
  // saved on entering the next section.
  virtual bool QuestionsWalked() const = 0;
  virtual void SetQuestionsWalked(bool walked) = 0;

  // Back on every page but the first; Finish on the last page that can
  // become active, Next on the others.
  virtual void UpdateWizardButtons(const PageLogic& page) = 0;
  // 0, or platform::kEFail when there is no later (earlier) section; with
  // SectionMove::Go the sheet then moves to that section's first page.
  virtual platform::HResult SkipSection(const PageLogic& page, SectionMove move) = 0;
  virtual platform::HResult LastSection(const PageLogic& page, SectionMove move) = 0;

  // Repairs the item: a file of sections 0..3 or a setting of 4 and 5.
  virtual FixResult FixItem(const ListedItem& item) = 0;
  // Reverts the item of a recent-changes row to the snapshot's state.
  virtual FixResult RevertItem(const ListedItem& item, const RowData& snapshot) = 0;
  // Counts the disk space freed as a fix.
  virtual void CountFreedSpace() = 0;
  // The changes made so far, which the retry pages read.
  virtual const FixCounters& Counters() const = 0;
  virtual void ShowItemDetails(const ListedItem& item) = 0;
  // False when the row's item is not in its section.
  virtual bool ShowItemDetails(const ItemRef& item) = 0;

  // Gives a result list the status images and the columns of list `category`.
  virtual void SetStatusList(ControlSurface& surface, int listId, SectionId category) = 0;
  // The recent-changes list of the usage database (see usage/RecentChanges.h).
  virtual platform::HResult BuildRecentChanges(ListSurface* list, bool showAll, int& badCount, int& rowCount,
                                               std::vector<std::string>& dates, const std::string& chosenStamp) = 0;
  // A snapshot's time stamp as the date box shows it.
  virtual std::string StampText(const std::string& stamp) = 0;
};

}  // namespace cvn
