// SPDX-License-Identifier: GPL-3.0-or-later
// The page's words in English, Italian, German and French, as the window's translations have
// them: the controls under the window, and the sentences of the explanations, each row keyed by
// its English text as the module gives it (a sentence the module words otherwise stays in
// English). "%1".."%9" mark what the module fills in.
'use strict';

const TRANSLATIONS = {
  languages: ['en', 'it', 'de', 'fr'],
  // Copy Plain Number, Show Steps, the steps' title and their Close button, as the window's.
  controls: [
    ['Copy Plain Number', 'Copia numero semplice', 'Reine Zahl kopieren', 'Copier le nombre brut'],
    ['Show Steps…', 'Mostra passaggi…', 'Schritte anzeigen…', 'Afficher les étapes…'],
    ['Steps', 'Passaggi', 'Schritte', 'Étapes'],
    ['Close', 'Chiudi', 'Schließen', 'Fermer'],
  ],
  sentences: [
    ['%1: "%2" reads as %3.',
      '%1: «%2» si legge come %3.',
      '%1: „%2“ wird als %3 gelesen.',
      '%1 : « %2 » se lit %3.'],
    ['%1: "%2" reads as %3, which rounds to %4 steps: with fewer than one step the count is 1.',
      '%1: «%2» si legge come %3, che arrotondato dà %4 passaggi: con meno di un passaggio il ' +
        'conteggio è 1.',
      '%1: „%2“ wird als %3 gelesen, gerundet %4 Schritte: Mit weniger als einem Schritt ist die ' +
        'Anzahl 1.',
      '%1 : « %2 » se lit %3, arrondi à %4 étapes : avec moins d’une étape, le compte vaut 1.'],
    ['%1: "%2" reads as %3, which rounds to %4 step.',
      '%1: «%2» si legge come %3, che arrotondato dà %4 passaggio.',
      '%1: „%2“ wird als %3 gelesen, gerundet %4 Schritt.',
      '%1 : « %2 » se lit %3, arrondi à %4 étape.'],
    ['%1: "%2" reads as %3, which rounds to %4 steps.',
      '%1: «%2» si legge come %3, che arrotondato dà %4 passaggi.',
      '%1: „%2“ wird als %3 gelesen, gerundet %4 Schritte.',
      '%1 : « %2 » se lit %3, arrondi à %4 étapes.'],
    ['Step i multiplies the running value, at first 1, by the factor N - (K - i) and rounds\n' +
       'the product to four decimals; the quotient is the product divided by i in double\n' +
       'precision, and the new running value is the quotient rounded to four decimals.',
      'Il passaggio i moltiplica il valore corrente, all’inizio 1, per il fattore N - (K - i) e\n' +
        'arrotonda il prodotto a quattro decimali; il quoziente è il prodotto diviso per i in ' +
        'doppia\n' +
        'precisione, e il nuovo valore corrente è il quoziente arrotondato a quattro decimali.',
      'Schritt i multipliziert den laufenden Wert, anfangs 1, mit dem Faktor N - (K - i) und ' +
        'rundet\n' +
        'das Produkt auf vier Nachkommastellen; der Quotient ist das Produkt geteilt durch i in\n' +
        'doppelter Genauigkeit, und der neue laufende Wert ist der auf vier Nachkommastellen\n' +
        'gerundete Quotient.',
      'L’étape i multiplie la valeur courante, 1 au départ, par le facteur N - (K - i) et ' +
        'arrondit\n' +
        'le produit à quatre décimales ; le quotient est le produit divisé par i en double\n' +
        'précision, et la nouvelle valeur courante est le quotient arrondi à quatre décimales.'],
    ['Step', 'Passaggio', 'Schritt', 'Étape'],
    ['Factor', 'Fattore', 'Faktor', 'Facteur'],
    ['Product', 'Prodotto', 'Produkt', 'Produit'],
    ['Quotient', 'Quoziente', 'Quotient', 'Quotient'],
    ['Running value', 'Valore corrente', 'Laufender Wert', 'Valeur courante'],
    ['overflow', 'overflow', 'Überlauf', 'dépassement'],
    ['failed', 'fallita', 'gescheitert', 'échec'],
    ['The count is %1; the result box shows "%2".',
      'Il conteggio è %1; la casella del risultato mostra «%2».',
      'Die Anzahl ist %1; das Ergebnisfeld zeigt „%2“.',
      'Le compte vaut %1 ; la zone de résultat affiche « %2 ».'],
    ['The result box shows "%1".',
      'La casella del risultato mostra «%1».',
      'Das Ergebnisfeld zeigt „%1“.',
      'La zone de résultat affiche « %1 ».'],
    ['Writing the count %1 as the result box shows it failed.',
      'La scrittura del conteggio %1 come lo mostra la casella del risultato non è riuscita.',
      'Die Anzahl %1 so zu schreiben, wie das Ergebnisfeld sie zeigt, ist gescheitert.',
      'L’écriture du compte %1 tel que l’affiche la zone de résultat a échoué.'],
    ['Reading %1: "%2" is too large for a double.',
      'Lettura di %1: «%2» è troppo grande per un numero in virgola mobile a doppia precisione.',
      'Lesen von %1: „%2“ ist zu groß für eine Gleitkommazahl doppelter Genauigkeit.',
      'Lecture de %1 : « %2 » est trop grand pour un nombre à virgule flottante double ' +
        'précision.'],
    ['Reading %1: "%2" reads as %3, %4.',
      'Lettura di %1: «%2» si legge come %3, %4.',
      'Lesen von %1: „%2“ wird als %3 gelesen, %4.',
      'Lecture de %1 : « %2 » se lit %3, %4.'],
    ['Rounding K to the number of steps: %1 rounds to %2, %3.',
      'Arrotondamento di K al numero di passaggi: %1 arrotondato dà %2, %3.',
      'Runden von K auf die Anzahl der Schritte: %1 wird auf %2 gerundet, %3.',
      'Arrondi de K au nombre d’étapes : %1 s’arrondit à %2, %3.'],
    ['Step %1 of %2, the factor: N - (K - i) = %3 - (%4 - %5) is %6, %7.',
      'Passaggio %1 di %2, il fattore: N - (K - i) = %3 - (%4 - %5) vale %6, %7.',
      'Schritt %1 von %2, der Faktor: N - (K - i) = %3 - (%4 - %5) ist %6, %7.',
      'Étape %1 sur %2, le facteur : N - (K - i) = %3 - (%4 - %5) vaut %6, %7.'],
    ['Step %1 of %2, the product: the running value %3 times the factor %4 is %5, %6.',
      'Passaggio %1 di %2, il prodotto: il valore corrente %3 per il fattore %4 vale %5, %6.',
      'Schritt %1 von %2, das Produkt: Der laufende Wert %3 mal der Faktor %4 ist %5, %6.',
      'Étape %1 sur %2, le produit : la valeur courante %3 fois le facteur %4 vaut %5, %6.'],
    ['Step %1 of %2, the quotient: the product %3 divided by %4 failed the floating-point check.',
      'Passaggio %1 di %2, il quoziente: il prodotto %3 diviso per %4 non ha superato il ' +
        'controllo in virgola mobile.',
      'Schritt %1 von %2, der Quotient: Das Produkt %3 geteilt durch %4 hat die ' +
        'Gleitkommaprüfung nicht bestanden.',
      'Étape %1 sur %2, le quotient : le produit %3 divisé par %4 a échoué au contrôle en ' +
        'virgule flottante.'],
    ['Step %1 of %2, rounding the quotient back: the product %3 divided by %4 is %5, %6.',
      'Passaggio %1 di %2, il nuovo arrotondamento del quoziente: il prodotto %3 diviso per %4 ' +
        'vale %5, %6.',
      'Schritt %1 von %2, das Zurückrunden des Quotienten: Das Produkt %3 geteilt durch %4 ist ' +
        '%5, %6.',
      'Étape %1 sur %2, l’arrondi du quotient : le produit %3 divisé par %4 vaut %5, %6.'],
    ['Step %1 of %2, the step counter: %3 + 1 is %4, %5.',
      'Passaggio %1 di %2, il contatore dei passaggi: %3 + 1 vale %4, %5.',
      'Schritt %1 von %2, der Schrittzähler: %3 + 1 ist %4, %5.',
      'Étape %1 sur %2, le compteur d’étapes : %3 + 1 vaut %4, %5.'],
    ['beyond the largest value %1',
      'oltre il valore massimo %1',
      'über dem größten Wert %1',
      'au-delà de la plus grande valeur %1'],
    ['below the smallest value %1',
      'sotto il valore minimo %1',
      'unter dem kleinsten Wert %1',
      'en deçà de la plus petite valeur %1'],
    ['beyond the largest number of steps %1',
      'oltre il numero massimo di passaggi %1',
      'über der größten Schrittzahl %1',
      'au-delà du plus grand nombre d’étapes %1'],
    ['below the smallest number of steps %1',
      'sotto il numero minimo di passaggi %1',
      'unter der kleinsten Schrittzahl %1',
      'en deçà du plus petit nombre d’étapes %1'],
    ['beyond the largest step counter %1',
      'oltre il valore massimo del contatore dei passaggi %1',
      'über dem größten Stand des Schrittzählers %1',
      'au-delà de la plus grande valeur du compteur d’étapes %1'],
    ['below the smallest step counter %1',
      'sotto il valore minimo del contatore dei passaggi %1',
      'unter dem kleinsten Stand des Schrittzählers %1',
      'en deçà de la plus petite valeur du compteur d’étapes %1'],
  ],
};
