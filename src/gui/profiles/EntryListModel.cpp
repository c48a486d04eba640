#include "gui/profiles/EntryListModel.h"

#include "gui/base/Text.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace tesk {

EntryListModel::EntryListModel(QObject* parent) : QAbstractListModel(parent) {}

void EntryListModel::Reset(ProfileList entries)
{
    beginResetModel();
    entries_ = std::move(entries);
    lastRowSize_.reset();
    endResetModel();
}

std::vector<std::string> EntryListModel::Texts() const
{
    std::vector<std::string> texts;
    texts.reserve(entries_.size());
    for (const ProfileListItem& entry : entries_)
        texts.push_back(entry.text);
    return texts;
}

bool EntryListModel::AllChecked() const
{
    return !entries_.empty()
           && std::all_of(entries_.begin(), entries_.end(), [](const ProfileListItem& entry) { return entry.checked; });
}

void EntryListModel::SetChecked(int row, bool checked)
{
    entries_.at(static_cast<std::size_t>(row)).checked = checked;
    ChecksChanged(row, row);
}

void EntryListModel::SetAllChecked(bool checked)
{
    for (ProfileListItem& entry : entries_)
        entry.checked = checked;
    ChecksChanged(0, rowCount() - 1);
}

void EntryListModel::SetChecks(const std::vector<bool>& checks)
{
    const std::size_t count = std::min(checks.size(), entries_.size());
    for (std::size_t row = 0; row < count; ++row)
        entries_[row].checked = checks[row];
    ChecksChanged(0, static_cast<int>(count) - 1);
}

std::vector<bool> EntryListModel::Checks() const
{
    std::vector<bool> checks;
    checks.reserve(entries_.size());
    for (const ProfileListItem& entry : entries_)
        checks.push_back(entry.checked);
    return checks;
}

void EntryListModel::ChecksChanged(int first, int last)
{
    if (first <= last)
        emit dataChanged(index(first), index(last), {Qt::CheckStateRole});
}

void EntryListModel::SetLastRowSize(QSize size)
{
    if (entries_.empty())
        return;
    lastRowSize_ = size;
    const QModelIndex last = index(rowCount() - 1);
    emit dataChanged(last, last, {Qt::SizeHintRole});
}

int EntryListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

QVariant EntryListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const ProfileListItem& entry = entries_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole: return ToQ(entry.text);
    case Qt::CheckStateRole: return static_cast<int>(entry.checked ? Qt::Checked : Qt::Unchecked);
    case Qt::SizeHintRole:
        if (lastRowSize_ && index.row() == rowCount() - 1)
            return *lastRowSize_;
        break;
    default: break;
    }
    return {};
}

Qt::ItemFlags EntryListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
}

bool EntryListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole
        || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    const int row = index.row();
    const bool checked = value.toInt() == Qt::Checked;
    if (entries_[static_cast<std::size_t>(row)].checked == checked)
        return true;
    SetChecked(row, checked);
    emit checkToggled(row);
    return true;
}

} // namespace tesk
