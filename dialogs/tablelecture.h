#pragma once
// The read-only tables of the dialogs that list students: a fixed heading row, grid lines,
// a vertical scroll bar only, column widths in the proportions given, Windows-1252 cells.

#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "platform/texte.h"

namespace calevrin {

template <std::size_t N>
QTableWidget* TableLecture(QWidget* parent, const std::array<std::string, N>& entete,
                           const std::array<int, N>& proportions, int lignesVisibles) {
  auto* t = new QTableWidget(0, static_cast<int>(N), parent);
  t->setObjectName(QStringLiteral("ST"));
  QStringList titres;
  for (const std::string& e : entete) titres << plateforme::DepuisCp1252(e);
  t->setHorizontalHeaderLabels(titres);
  t->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  t->horizontalHeader()->setSectionsClickable(false);
  t->verticalHeader()->hide();
  t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
  t->setShowGrid(true);
  t->setEditTriggers(QAbstractItemView::NoEditTriggers);
  t->setSelectionMode(QAbstractItemView::NoSelection);
  t->setFocusPolicy(Qt::NoFocus);
  t->setWordWrap(false);
  t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // The proportions are pixels of the small dialog font; they grow with the font in use.
  const double echelle = t->fontMetrics().height() / 13.0;
  int largeur = 0;
  for (std::size_t i = 0; i < N; ++i) {
    const int l = static_cast<int>(std::lround(proportions[i] * echelle));
    t->setColumnWidth(static_cast<int>(i), l);
    largeur += l;
  }
  t->horizontalHeader()->setStretchLastSection(true);
  t->setMinimumWidth(largeur + t->verticalScrollBar()->sizeHint().width() + 2 * t->frameWidth());
  t->setMinimumHeight(t->horizontalHeader()->sizeHint().height() +
                      lignesVisibles * t->verticalHeader()->defaultSectionSize() + 2 * t->frameWidth());
  return t;
}

template <std::size_t N>
void RemplirTable(QTableWidget* t, const std::vector<std::array<std::string, N>>& lignes) {
  t->clearContents();
  t->setRowCount(static_cast<int>(lignes.size()));
  for (std::size_t r = 0; r < lignes.size(); ++r)
    for (std::size_t c = 0; c < N; ++c)
      t->setItem(static_cast<int>(r), static_cast<int>(c),
                 new QTableWidgetItem(plateforme::DepuisCp1252(lignes[r][c])));
}

}  // namespace calevrin
