#pragma once

#include "elementdata.h"

// Walks the record's fields in file order; the same walk reads and writes.
template <typename Record, typename Visitor> void visitFields(Record &r, Visitor &&v)
{
    v.i16(r.AtomicNumber, "AtomicNumber");
    v.i16(r.Period, "Period");
    v.i16(r.Group, "Group");
    v.text(r.Symbol, 3, "Symbol");
    v.text(r.Spare, 1, "Spare");
    v.text(r.ElementName, 15, "ElementName");
    v.i16(r.Neutrons, "Neutrons");
    v.i16(r.LevelCount, "LevelCount");
    v.levels(r.LevelElectrons, "LevelElectrons");
    v.f64(r.AtomicWeight, "AtomicWeight");
    v.i16(r.Classification, "Classification");
    v.text(r.Discovered, 4, "Discovered");
    v.text(r.Discoverer, 30, "Discoverer");
    v.text(r.NameOrigin, 100, "NameOrigin");
    v.text(r.Appearance, 60, "Appearance");
    v.f64(r.Density, "Density");
    v.text(r.DensityUnit, 20, "DensityUnit");
    v.f64(r.MeltingPoint, "MeltingPoint");
    v.f64(r.BoilingPoint, "BoilingPoint");
    v.f64(r.AtomicRadius, "AtomicRadius");
    v.f64(r.AtomicVolume, "AtomicVolume");
    v.f64(r.CovalentRadius, "CovalentRadius");
    v.text(r.IonicRadius, 20, "IonicRadius");
    v.f64(r.SpecificHeat, "SpecificHeat");
    v.f64(r.FusionHeat, "FusionHeat");
    v.f64(r.EvaporationHeat, "EvaporationHeat");
    v.text(r.ElectroConduct, 20, "ElectroConduct");
    v.f64(r.ThermalConduct, "ThermalConduct");
    v.f64(r.DebyeTemp, "DebyeTemp");
    v.f64(r.ElectroNegativity, "ElectroNegativity");
    v.f64(r.IonizingEnergy, "IonizingEnergy");
    v.text(r.OxidationStates, 10, "OxidationStates");
    v.text(r.ElectronicConfig, 20, "ElectronicConfig");
    v.text(r.CrystalStructure, 20, "CrystalStructure");
    v.f64(r.CrystalConstant, "CrystalConstant");
    v.f64(r.CrystalCARatio, "CrystalCARatio");
    v.i16(r.State, "State");
    v.text(r.GroupLabel, 5, "GroupLabel");
    v.i16(r.TableRow, "TableRow");
    v.i16(r.TableColumn, "TableColumn");
}
