#pragma once

#include "project/model/style.h"

#include <QAbstractListModel>

class Project;

// One kind's list of individual styles in the project, as a list model: each
// line shows a style's name and how many items use it; the name is edited
// in place.
class StyleList : public QAbstractListModel
{
    Q_OBJECT

public:
    StyleList(Project &project, int kind, QObject *parent = nullptr);

    int kind() const { return m_kind; }
    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Changes of the list, made through the model so views follow.
    int append(const TStyle &style);
    void removeAt(int row);
    void removeAll();
    void move(int from, int to);
    // The item counts beside the names may have changed.
    void refreshCounts();

signals:
    // An in-place edit gave a style a new name.
    void renamed(int row);

private:
    Project &m_project;
    int m_kind;
};
