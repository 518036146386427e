<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<TS version="2.1" language="it">
<context>
    <name>morvane::Explanation</name>
    <message>
        <source>%1: &quot;%2&quot; reads as %3.</source>
        <translation>%1: «%2» viene letto come %3.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; reads as %3 and rounds to %4: with fewer than one step the count is 1.</source>
        <translation>%1: «%2» viene letto come %3 e arrotondato a %4: con meno di un passaggio il conteggio è 1.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; reads as %3 and rounds to %4 step.</source>
        <translation>%1: «%2» viene letto come %3 e arrotondato a %4 passaggio.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; reads as %3 and rounds to %4 steps.</source>
        <translation>%1: «%2» viene letto come %3 e arrotondato a %4 passaggi.</translation>
    </message>
    <message>
        <source>Step i multiplies the running value (at first 1) by the factor N - (K - i) and rounds
the product to four decimals; the quotient is the product divided by i in double
precision, and the new running value is the quotient rounded to four decimals.</source>
        <translation>Il passaggio i moltiplica il valore corrente (all’inizio 1) per il fattore N - (K - i) e
arrotonda il prodotto a quattro decimali; il quoziente è il prodotto diviso per i in doppia
precisione e il nuovo valore corrente è il quoziente arrotondato a quattro decimali.</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Passaggio</translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>Fattore</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Prodotto</translation>
    </message>
    <message>
        <source>Quotient</source>
        <translation>Quoziente</translation>
    </message>
    <message>
        <source>Running value</source>
        <translation>Valore corrente</translation>
    </message>
    <message>
        <source>overflow</source>
        <translation>overflow</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>non riuscito</translation>
    </message>
    <message>
        <source>The count is %1; the result box shows &quot;%2&quot;.</source>
        <translation>Il conteggio è %1; la casella del risultato mostra «%2».</translation>
    </message>
    <message>
        <source>The result box shows &quot;%1&quot;.</source>
        <translation>La casella del risultato mostra «%1».</translation>
    </message>
    <message>
        <source>Writing the count %1 as the result box shows it failed.</source>
        <translation>La scrittura del conteggio %1 come lo mostra la casella del risultato non è riuscita.</translation>
    </message>
    <message>
        <source>Reading %1: &quot;%2&quot; is too large for a double.</source>
        <translation>Lettura di %1: «%2» è troppo grande per un numero in virgola mobile a doppia precisione.</translation>
    </message>
    <message>
        <source>Reading %1: &quot;%2&quot; reads as %3 and so %4.</source>
        <translation>Lettura di %1: «%2» viene letto come %3 e %4.</translation>
    </message>
    <message>
        <source>Rounding K to the number of steps: %1 rounds to %2 and so %3.</source>
        <translation>Arrotondamento di K al numero di passaggi: %1 viene arrotondato a %2 e %3.</translation>
    </message>
    <message>
        <source>Step %1 of %2 computes the factor: N - (K - i) = %3 - (%4 - %5) is %6 and so %7.</source>
        <translation>Il passaggio %1 di %2 calcola il fattore: N - (K - i) = %3 - (%4 - %5) vale %6 e %7.</translation>
    </message>
    <message>
        <source>Step %1 of %2 computes the product: the running value %3 times the factor %4 is %5 and so %6.</source>
        <translation>Il passaggio %1 di %2 calcola il prodotto: il valore corrente %3 per il fattore %4 vale %5 e %6.</translation>
    </message>
    <message>
        <source>Step %1 of %2 computes the quotient: the product %3 divided by %4 failed the floating-point check.</source>
        <translation>Il passaggio %1 di %2 calcola il quoziente: il prodotto %3 diviso per %4 non ha superato il controllo in virgola mobile.</translation>
    </message>
    <message>
        <source>Step %1 of %2 rounds the quotient to four decimals: the product %3 divided by %4 is %5 and so %6.</source>
        <translation>Il passaggio %1 di %2 arrotonda il quoziente a quattro decimali: il prodotto %3 diviso per %4 vale %5 e %6.</translation>
    </message>
    <message>
        <source>Step %1 of %2 adds one to the step counter: %3 + 1 is %4 and so %5.</source>
        <translation>Il passaggio %1 di %2 incrementa di uno il contatore dei passaggi: %3 + 1 vale %4 e %5.</translation>
    </message>
    <message>
        <source>exceeds the largest value %1</source>
        <translation>supera il valore massimo %1</translation>
    </message>
    <message>
        <source>falls below the smallest value %1</source>
        <translation>scende sotto il valore minimo %1</translation>
    </message>
    <message>
        <source>exceeds the largest number of steps %1</source>
        <translation>supera il numero massimo di passaggi %1</translation>
    </message>
    <message>
        <source>falls below the smallest number of steps %1</source>
        <translation>scende sotto il numero minimo di passaggi %1</translation>
    </message>
    <message>
        <source>exceeds the largest step counter %1</source>
        <translation>supera il valore massimo del contatore dei passaggi %1</translation>
    </message>
    <message>
        <source>falls below the smallest step counter %1</source>
        <translation>scende sotto il valore minimo del contatore dei passaggi %1</translation>
    </message>
</context>
<context>
    <name>morvane::frmAmain</name>
    <message>
        <source>Copy Plain &amp;Number</source>
        <translation>Copia &amp;numero semplice</translation>
    </message>
    <message>
        <source>Show &amp;Steps…</source>
        <translation>Mostra &amp;passaggi…</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Passaggi</translation>
    </message>
</context>
</TS>
