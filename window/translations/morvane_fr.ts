<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<TS version="2.1" language="fr">
<context>
    <name>morvane::Explanation</name>
    <message>
        <source>%1: &quot;%2&quot; reads as %3.</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» est lu comme %3.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; reads as %3 and rounds to %4: with fewer than one step the count is 1.</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» est lu comme %3 et arrondi à %4&#xa0;: avec moins d’une étape, le compte vaut 1.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; reads as %3 and rounds to %4 step.</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» est lu comme %3 et arrondi à %4 étape.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; reads as %3 and rounds to %4 steps.</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» est lu comme %3 et arrondi à %4 étapes.</translation>
    </message>
    <message>
        <source>Step i multiplies the running value (at first 1) by the factor N - (K - i) and rounds
the product to four decimals; the quotient is the product divided by i in double
precision, and the new running value is the quotient rounded to four decimals.</source>
        <translation>L’étape i multiplie la valeur courante (1 au départ) par le facteur N - (K - i) et arrondit
le produit à quatre décimales&#xa0;; le quotient est le produit divisé par i en double
précision et la nouvelle valeur courante est le quotient arrondi à quatre décimales.</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>Facteur</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produit</translation>
    </message>
    <message>
        <source>Quotient</source>
        <translation>Quotient</translation>
    </message>
    <message>
        <source>Running value</source>
        <translation>Valeur courante</translation>
    </message>
    <message>
        <source>overflow</source>
        <translation>dépassement</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>échec</translation>
    </message>
    <message>
        <source>The count is %1; the result box shows &quot;%2&quot;.</source>
        <translation>Le compte vaut %1&#xa0;; la zone de résultat affiche «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>The result box shows &quot;%1&quot;.</source>
        <translation>La zone de résultat affiche «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Writing the count %1 as the result box shows it failed.</source>
        <translation>L’écriture du compte %1 tel que l’affiche la zone de résultat a échoué.</translation>
    </message>
    <message>
        <source>Reading %1: &quot;%2&quot; is too large for a double.</source>
        <translation>Lecture de %1&#xa0;: «&#xa0;%2&#xa0;» est trop grand pour un nombre à virgule flottante en double précision.</translation>
    </message>
    <message>
        <source>Reading %1: &quot;%2&quot; reads as %3 and so %4.</source>
        <translation>Lecture de %1&#xa0;: «&#xa0;%2&#xa0;» est lu comme %3 et %4.</translation>
    </message>
    <message>
        <source>Rounding K to the number of steps: %1 rounds to %2 and so %3.</source>
        <translation>Arrondi de K au nombre d’étapes&#xa0;: %1 s’arrondit à %2 et %3.</translation>
    </message>
    <message>
        <source>Step %1 of %2 computes the factor: N - (K - i) = %3 - (%4 - %5) is %6 and so %7.</source>
        <translation>L’étape %1 sur %2 calcule le facteur&#xa0;: N - (K - i) = %3 - (%4 - %5) vaut %6 et %7.</translation>
    </message>
    <message>
        <source>Step %1 of %2 computes the product: the running value %3 times the factor %4 is %5 and so %6.</source>
        <translation>L’étape %1 sur %2 calcule le produit&#xa0;: la valeur courante %3 multipliée par le facteur %4 vaut %5 et %6.</translation>
    </message>
    <message>
        <source>Step %1 of %2 computes the quotient: the product %3 divided by %4 failed the floating-point check.</source>
        <translation>L’étape %1 sur %2 calcule le quotient&#xa0;: le produit %3 divisé par %4 a échoué au contrôle en virgule flottante.</translation>
    </message>
    <message>
        <source>Step %1 of %2 rounds the quotient to four decimals: the product %3 divided by %4 is %5 and so %6.</source>
        <translation>L’étape %1 sur %2 arrondit le quotient à quatre décimales&#xa0;: le produit %3 divisé par %4 vaut %5 et %6.</translation>
    </message>
    <message>
        <source>Step %1 of %2 adds one to the step counter: %3 + 1 is %4 and so %5.</source>
        <translation>L’étape %1 sur %2 incrémente le compteur d’étapes&#xa0;: %3 + 1 vaut %4 et %5.</translation>
    </message>
    <message>
        <source>exceeds the largest value %1</source>
        <translation>dépasse la valeur maximale %1</translation>
    </message>
    <message>
        <source>falls below the smallest value %1</source>
        <translation>passe sous la valeur minimale %1</translation>
    </message>
    <message>
        <source>exceeds the largest number of steps %1</source>
        <translation>dépasse le nombre maximal d’étapes %1</translation>
    </message>
    <message>
        <source>falls below the smallest number of steps %1</source>
        <translation>passe sous le nombre minimal d’étapes %1</translation>
    </message>
    <message>
        <source>exceeds the largest step counter %1</source>
        <translation>dépasse la valeur maximale du compteur d’étapes %1</translation>
    </message>
    <message>
        <source>falls below the smallest step counter %1</source>
        <translation>passe sous la valeur minimale du compteur d’étapes %1</translation>
    </message>
</context>
<context>
    <name>morvane::frmAmain</name>
    <message>
        <source>Copy Plain &amp;Number</source>
        <translation>Copier le &amp;nombre brut</translation>
    </message>
    <message>
        <source>Show &amp;Steps…</source>
        <translation>A&amp;fficher les étapes…</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Étapes</translation>
    </message>
</context>
</TS>
