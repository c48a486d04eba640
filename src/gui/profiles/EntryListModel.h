#pragma once

// The entries of one check list of a profile, as the core loaded them: the
// list's texts and check marks live here as bytes, and a text becomes a
// QString only when a view asks for its row, so that a list of thousands of
// entries costs no Qt object per entry.

#include "core/profiles/ProfileFile.h"

#include <QAbstractListModel>
#include <QSize>

#include <optional>
#include <string>
#include <vector>

namespace tesk {

class EntryListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit EntryListModel(QObject* parent = nullptr);

    // Replaces every entry; the views start afresh.
    void Reset(ProfileList entries);
    const ProfileList& entries() const { return entries_; }
    std::vector<std::string> Texts() const;
    bool AllChecked() const;

    // Check marks set by the program: they do not count as the player's.
    void SetChecked(int row, bool checked);
    void SetAllChecked(bool checked);
    void SetChecks(const std::vector<bool>& checks);
    std::vector<bool> Checks() const;

    // With items of uniform size a view sizes every row as the last one;
    // this makes the last row as large as `size`.
    void SetLastRowSize(QSize size);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A view sets a check mark only when the player toggles it.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    // The player toggled the check mark of `row` (mouse or space bar).
    void checkToggled(int row);

private:
    void ChecksChanged(int first, int last);

    ProfileList entries_;
    std::optional<QSize> lastRowSize_;
};

} // namespace tesk
