#pragma once
// New_req2Edit: a bound request (request_to_edits.h) for device tables with a
// fixed number of rows, where a free row carries a placeholder value in one
// column (a MAC address of twelve zeros, the address "0.0.0.0", a role of 0).
// A walk into the bound list view lists only the occupied rows and numbers
// them 1, 2, 3 ... in the first column, in place of the device's value there.
//
//   New_req2Edit leases(page);
//   leases.request.timeout = 10000;
//   leases.request.vars = VkSNMPVarList(VarsDhcpStaticTable, MVT_UMV, 1);
//   leases.BindListView(leaseView, true);
//   leases.SkipValue = "000000000000";
//   leases.SkipColumn = 4;
//   leases.RowNumber = 1;  // before every read
//   leases.Get();
//
// A row is vacant when the value text of variable SkipColumn equals SkipValue
// as a whole, byte for byte (enumerated values compare as their option-list
// texts). A SkipColumn outside the variable list marks no row vacant: every
// row is listed. A vacant row adds no list item, leaves RowNumber as it is
// and lets no window messages run; after every listed row RowNumber goes up
// by one and pending window messages are processed, so the view paints while
// the walk runs. The numbering goes on across reads until the owner sets
// RowNumber back. The base's row count still counts every answer row.
//
// Without a bound list view every answer row is shown in the bound controls,
// exactly as by the base class; nothing is filtered or numbered.
//
// The numbers are for the eye only: selecting a listed row, and a write that
// collects the selected row, keep the device's own value (the row's index in
// a table) in the variable of the first column, so the row is addressed as
// the device knows it.
//
// The virtual operations keep the base's slots; AddNumberedRow is appended
// after OnListViewSelectItem. There is no virtual destructor: owners delete
// through a New_req2Edit pointer.

#include <cstdint>
#include <string>
#include <unordered_map>

#include "library/snmp/request_to_edits.h"

class New_req2Edit : public VkSNMPRequest2Edits {
public:
    // owner: the page.
    explicit New_req2Edit(ui::Control* owner);

    void BeforeGet() override;      // slot 0
    void AddRow() override;         // slot 2
    void CollectValues() override;  // slot 3
    void OnListViewSelectItem(ui::Component* sender, ui::ListItem* item, bool selected) override;  // slot 8
    // slot 9: appends the current row to the bound list view, numbered RowNumber.
    virtual void AddNumberedRow();

    int32_t RowNumber = 1;        // the number the next listed row shows
    std::string SkipValue = "0";  // the value text of a vacant row
    int32_t SkipColumn = 1;       // the variable compared with SkipValue

private:
    // What a numbered list item covers of the device's row.
    struct NumberedRow {
        std::string number;       // the caption it was given
        int firstColumn = -1;     // the variable of the first column
        std::string deviceValue;  // that variable's value in the device's row
    };

    bool IsVacantRow() const;
    // The selected list item as numbered by the last read; null for none.
    const NumberedRow* SelectedNumberedRow() const;
    bool IsBound(int item) const;

    std::unordered_map<const ui::ListItem*, NumberedRow> numberedRows_;
};
